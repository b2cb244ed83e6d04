#pragma once

#include <array>

#include "model/project.h"

namespace vorn {

// Values by story, 1 to 200 (entry 0 unused).
using DriftStoryValues = std::array<double, kMaxStories + 1>;

// The allowable drifts of one direction, in whole hundredths of a centimetre so that the running
// total carries no binary residue.
struct AllowableDriftDirection {
  // A positive behaviour factor: without one there is no limit, and the direction has no values.
  bool limited = false;
  double ratio = 0;  // allowed drift over 0.7 R of the story height: 0.025 below 0.7 s, else 0.02
  DriftStoryValues drift{};  // ratio / 0.7 / R × story height, rounded, hundredths of a cm
  DriftStoryValues total{};  // the rounded drifts summed from the base up, hundredths of a cm
};

// The allowable drifts of every story in both directions from the design periods of the static
// run, the behaviour factors and the story heights.
struct AllowableDriftsResult {
  int n = 0;  // stories: the story count held within 0 to 200
  AllowableDriftDirection x, y;
  // Every drift and total is a finite number; story heights far beyond any building (a
  // hand-edited project file) can overflow them.
  bool finite = true;
};

AllowableDriftsResult calculateAllowableDrifts(const Project& p);

}  // namespace vorn
