#include "calculations/spectrum_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorn {
namespace {

TEST(SpectrumCalculation, CoefficientsOnEachBranchAndTheFloor)
{
  // Soil type 1 (T0 = 0.1 s, TS = 0.4 s, S = 1.5), A = 0.35, I = 1.
  Project p;
  p.Rx = 7;
  p.Ry = 16;
  // 0.05 s: B = 1 + 1.5 x 0.5 = 1.75. 0.4 s: still on the plateau, B = 2.5. 1 s: B = 2.5 x
  // (0.4 / 1.00001)^(2/3) = 1.35720. x: 0.35 B / 7 = 0.0875, 0.125, 0.06786; y: 0.35 B / 16 =
  // 0.03828, 0.05469, and at 1 s B / 16 = 0.0848 is below 0.1: 0.1 A I = 0.035.
  const SpectrumTableResult r = calculateSpectrumTable(p, {0.05, 0.4, 1});
  EXPECT_TRUE(r.finite);
  EXPECT_EQ(r.x.coefficient, (std::vector<double>{0.0875, 0.125, 0.0679}));
  EXPECT_EQ(r.y.coefficient, (std::vector<double>{0.0383, 0.0547, 0.035}));

  p.Rx = 0;
  p.a = 1e308;  // y: 10 000 A B I / R, rounded to whole ten-thousandths, is beyond a double
  const SpectrumTableResult wild = calculateSpectrumTable(p, {0.05});
  EXPECT_FALSE(wild.x.limited);
  EXPECT_TRUE(wild.x.coefficient.empty());
  EXPECT_FALSE(wild.finite);
}

}  // namespace
}  // namespace vorn
