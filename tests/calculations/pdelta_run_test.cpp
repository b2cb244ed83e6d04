#include "calculations/pdelta_run.h"

#include <gtest/gtest.h>

#include <memory>

namespace vorn {
namespace {

class PDeltaCalculation : public ::testing::Test {
protected:
  std::unique_ptr<Project> owner = std::make_unique<Project>();
  Project& p = *owner;
};

// The gravity loads and shears are the sums from each story to the roof, added from the story
// upwards; the same bits for every story count, whatever the grouping of the sums.
TEST_F(PDeltaCalculation, SumsEachStoryToTheRoofInOrder)
{
  for (int n = 1; n <= 11; ++n) {
    p.N = n;
    for (int j = 1; j <= n; ++j) {
      p.StoryWeight[j] = 100000.0 / (j + 2);  // thirds, quarters, fifths: inexact terms
      p.LL[j] = 200;
      p.AR[j] = 10.0 / 7;
      p.PERL[j] = 30;
      p.ForceX[j] = 0.1 * j;
      p.ForceY[j] = 1.0 / (j + 4);
    }
    const PDeltaRunResult r = calculatePDelta(p);
    ASSERT_EQ(r.n, n);
    for (int k = 1; k <= n; ++k) {
      double gravity = 0, x = 0, y = 0;
      for (int j = k; j <= n; ++j) {
        gravity += p.StoryWeight[j] + p.LL[j] * p.AR[j] * (1 - p.PERL[j] / 100);
        x += p.ForceX[j];
        y += p.ForceY[j];
      }
      EXPECT_EQ(r.gravity[k], gravity) << n << " stories, story " << k;
      EXPECT_EQ(r.shearX[k], x) << n << " stories, story " << k;
      EXPECT_EQ(r.shearY[k], y) << n << " stories, story " << k;
    }
  }
}

// One 10 m story of 160 t carrying 10 t of shear: θ = Δ x 160000 / (10000 x 10) = 1.6 Δ.
TEST_F(PDeltaCalculation, VerdictsFollowTheStabilityCoefficient)
{
  p.N = 1;
  p.HS[1] = 10;
  p.StoryWeight[1] = 160000;
  p.ForceX[1] = 10000;
  p.Rx = 6;  // unstable above 1.25 / 6 = 0.208
  auto x = [this](double drift) {
    p.DRIFTx[1] = drift;
    return calculatePDelta(p).x[1];
  };
  EXPECT_EQ(x(0.0620).verdict, Stability::negligible);  // θ = 0.0992
  const PDeltaDirection atTenth = x(0.0625);            // θ = 0.1 exactly: not negligible
  EXPECT_EQ(atTenth.verdict, Stability::amplified);
  EXPECT_DOUBLE_EQ(atTenth.theta, 0.1);
  EXPECT_DOUBLE_EQ(atTenth.amplifiedShear, 11111);  // 10000 / 0.9 = 11111.1
  EXPECT_DOUBLE_EQ(atTenth.addedShear, 1111);
  EXPECT_EQ(x(0.1328125).verdict, Stability::unstable);  // θ = 0.2125 > 1.25 / 6
  p.Rx = 4;                                              // the limit is now 0.25
  EXPECT_EQ(x(0.1328125).verdict, Stability::amplified);
  EXPECT_EQ(x(0.16).verdict, Stability::unstable);  // θ = 0.256

  p.HS[1] = 0;
  const PDeltaDirection flat = x(0.0625);
  EXPECT_EQ(flat.verdict, Stability::zeroHeight);
  EXPECT_EQ(flat.theta, 0);
  p.HS[1] = 10;
  p.ForceX[1] = 0;
  EXPECT_EQ(x(0.0625).verdict, Stability::zeroShear);
}

TEST_F(PDeltaCalculation, OverflowingValuesAreReportedNotUsed)
{
  p.N = 2;
  p.HS[1] = p.HS[2] = 3;
  p.StoryWeight[1] = p.StoryWeight[2] = 1e308;  // their sum overflows
  p.ForceX[1] = p.ForceX[2] = 1000;
  EXPECT_FALSE(calculatePDelta(p).finite);
  p.StoryWeight[1] = 1000;
  EXPECT_TRUE(calculatePDelta(p).finite);
}

}  // namespace
}  // namespace vorn
