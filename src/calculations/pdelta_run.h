#pragma once

#include <array>

#include "model/project.h"

namespace vorn {

// What the P-Delta check finds of one direction of one story.
enum class Stability {
  zeroShear,     // the story carries no shear: θ is undetermined (stored as 0)
  zeroHeight,    // the story has no height: θ is undetermined (stored as 0)
  undetermined,  // θ is not a number
  negligible,    // θ < 0.1: the effect is neglected
  unstable,      // θ > 0.25 or θ > 1.25 / R
  amplified,     // the story shear is amplified to V / (1 − θ)
};

struct PDeltaDirection {
  Stability verdict = Stability::negligible;
  double theta = 0;           // the stability coefficient θ = Δ P / (V h), 0 when undetermined
  double amplifiedShear = 0;  // VPD = V / (1 − θ), rounded to kg; amplified stories only
  double addedShear = 0;      // VADD = VPD − V, kg; amplified stories only
};

using PDeltaStoryValues = std::array<double, kMaxStories + 1>;

// The P-Delta check of stories 1 … n (entries 0 unused).
struct PDeltaRunResult {
  // False when a value overflows (story values far beyond any building, from a hand-edited
  // file): then nothing else is to be used.
  bool finite = true;
  int n = 0;
  bool regular = false;                  // a regular building shows no maximum drifts
  PDeltaStoryValues gravity{};           // P: the gravity load from the story up to the roof, kg
  PDeltaStoryValues shearX{}, shearY{};  // V: the story shears, the forces from it to the roof, kg
  // Running totals from story 1 of the average and maximum drifts, m.
  PDeltaStoryValues driftTotalX{}, driftTotalY{}, maximumTotalX{}, maximumTotalY{};
  std::array<PDeltaDirection, kMaxStories + 1> x{}, y{};
};

// The stories the P-Delta dialog and check take: N, or 1 when N is not a whole number from 1 to
// 200 (a hand-edited project file).
int pdeltaStoryCount(const Project& p);

// The stability check of every story from the static run's weights and forces and the drifts.
// The gravity load of a story takes its weight and the part of its live load that the weight
// leaves out.
PDeltaRunResult calculatePDelta(const Project& p);

}  // namespace vorn
