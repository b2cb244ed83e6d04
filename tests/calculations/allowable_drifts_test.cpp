#include "calculations/allowable_drifts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorn {
namespace {

TEST(AllowableDriftsCalculation, VerdictIsOnTheRunningTotalOfEachDirectionThatHasALimit)
{
  // Two stories of 1.9e306 m: x (0.5 s, R = 7) allows 0.025 / 0.7 / 7 x 1.9e306 m = 9.69e307
  // hundredths of a cm a story, finite, but not the two together; y (0.7 s) allows
  // 0.02 / 0.7 / 7 x ... = 7.76e307 a story, 1.55e308 together, still a double.
  Project p;
  p.N = 2;
  p.HS[1] = p.HS[2] = 1.9e306;
  p.Tx = 0.5;
  p.Ty = 0.7;
  p.Rx = p.Ry = 7;
  AllowableDriftsResult r = calculateAllowableDrifts(p);
  EXPECT_FALSE(r.finite);
  EXPECT_TRUE(std::isfinite(r.x.drift[2]));
  EXPECT_FALSE(std::isfinite(r.x.total[2]));
  EXPECT_TRUE(std::isfinite(r.y.total[2]));
  EXPECT_NEAR(r.y.total[2], 1.551e308, 0.001e308);

  // Without a positive behaviour factor x has no limit, and nothing to overflow.
  for (double R : {0.0, -7.0, std::nan("")}) {
    p.Rx = R;
    r = calculateAllowableDrifts(p);
    EXPECT_TRUE(r.finite) << R;
    EXPECT_FALSE(r.x.limited) << R;
    EXPECT_EQ(r.x.total[2], 0) << R;
  }
}

}  // namespace
}  // namespace vorn
