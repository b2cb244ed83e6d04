#pragma once

#include <array>

#include "model/project.h"

namespace vorn {

// Which design recommendations apply to the building as entered, and the numbers they give.
// Percentages and forces are whole, rounded halves to even, as the list shows them.
struct RecommendationsResult {
  // The percentage of the vertical earthquake and, where they apply, the serviceability shears are
  // finite numbers; values far beyond any building (a hand-edited project file) can overflow them.
  bool finite = true;

  // A dynamic analysis is mandatory (REC1): a regular building from 50 m, an irregular one from
  // 18 m or from 6 stories.
  bool dynamicMandatory = false;
  // Known only where a dynamic analysis is mandatory: a spectrum of the site's own is mandatory
  // (REC2) on soil type 4 above 50 m or for I from 1.2; otherwise it is advised above 50 m on soil
  // type 2 or 3, should the soil be deep.
  bool siteSpectrumMandatory = false;
  bool siteSpectrumIfDeepSoil = false;

  bool dual = false;            // a dual system in either direction
  bool dualAllToWalls = false;  // and fewer than 9 stories or lower than 30 m
  bool noFlatSlabs = false;     // a moment frame in either direction, above 10 m and 3 stories

  double verticalPercent = 0;  // the vertical earthquake, 0.7 A I, % of the weight
  // Parts and attachments, 0.7, 2, 2, 1 and 1 times A I, % of their weight.
  std::array<double, 5> partsPercent{};

  bool compatibility = false;  // deformation compatibility, above 5 stories
  double compatibilityFactorX = 0, compatibilityFactorY = 0;  // 0.7 R, not rounded

  bool partitions = false;  // I from 1.2 or above 8 stories

  // The serviceability earthquake, unless I is below 1.2 with at most 15 stories and 50 m.
  bool service = false;
  double serviceShearX = 0, serviceShearY = 0;  // A B I W / 6, kg

  double jointWidth = 0;       // the separation joint, 1/100 of the height: H1 m read as cm
  bool jointPerStory = false;  // the joint grows story by story: I from 1.2 or from 8 stories
};

RecommendationsResult calculateRecommendations(const Project& p);

}  // namespace vorn
