#include "calculations/recommendations.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(RecommendationsCalculation, WhatAppliesOnlyToSomeBuildingsIsNotKnownForOthers)
{
  // Regular, 4 stories, 12 m, I = 1, soil type 4: the static method is allowed, so the site's
  // spectrum is not looked at; no serviceability earthquake, so its shears, which would overflow,
  // are neither computed nor checked.
  Project p;
  p.form8.Check[3].value = 1;
  p.N = 4;
  p.H1 = 12;
  p.i = 1.0;
  p.TS = 1.0;
  p.WT = 1e308;
  p.Bx = 1000;
  const RecommendationsResult r = calculateRecommendations(p);
  EXPECT_TRUE(r.finite);
  EXPECT_FALSE(r.dynamicMandatory);
  EXPECT_FALSE(r.siteSpectrumMandatory);
  EXPECT_FALSE(r.service);
  EXPECT_EQ(r.serviceShearX, 0);
  EXPECT_FALSE(r.dualAllToWalls);  // fewer than 9 stories, but no dual system
}

}  // namespace
}  // namespace vorn
