#include "calculations/static_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vorn {
namespace {

// One 16 m story (H^0.75 = 8): a steel moment frame with infill walls in x (0.08 x 8 x 0.8 =
// 0.512 s), a dual system in y (0.05 x 8 = 0.4 s, infill walls or not), the analytical period
// 0.6 s, A = 0.35, I = 1, R = 10 both ways, soil T0 = 0.1 s, TS = 0.4 s, S = 1.5.
class StaticCalculation : public ::testing::Test {
protected:
  StaticCalculation()
  {
    p.N = 1;
    p.H1 = 16;
    p.Hmax = 50;
    p.SYSTEMx = 14;
    p.SYSTEMy = 17;
    p.Rx = 10;
    p.Ry = 10;
    p.a = 0.35;
    p.i = 1;
    p.T0 = 0.1;
    p.TS = 0.4;
    p.S = 1.5;
    p.T = 0.6;
    p.form8.Check[1].value = 1;
    p.form8.Check[2].value = 1;
    p.form8.Check[4].value = 0;
    p.AR[1] = 100;
    p.DL[1] = 500;
    p.HS[1] = 4;
  }
  std::unique_ptr<Project> owner = std::make_unique<Project>();
  Project& p = *owner;
};

TEST_F(StaticCalculation, CarriesThePeriodsOfEachDirectionAndHowTheyWereFound)
{
  const StaticRunResult r = calculateStaticRun(p);
  ASSERT_EQ(r.stop, StaticStop::none);
  EXPECT_DOUBLE_EQ(r.x.heightPower, 8);
  EXPECT_DOUBLE_EQ(r.x.periodCoefficient, 0.08);
  EXPECT_DOUBLE_EQ(r.x.infillFactor, 0.8);
  EXPECT_DOUBLE_EQ(r.x.empiricalPeriod, 0.512);
  // 1.25 x 0.512 = 0.64 s is longer than the analytical 0.6 s, which is taken.
  EXPECT_EQ(r.x.rule, DesignPeriodRule::analytical);
  EXPECT_DOUBLE_EQ(r.x.designPeriod, 0.6);
  EXPECT_DOUBLE_EQ(r.y.periodCoefficient, 0.05);
  EXPECT_DOUBLE_EQ(r.y.infillFactor, 1);  // infill walls do not change a dual system's period
  // 1.25 x 0.4 = 0.5 s is shorter than the analytical period.
  EXPECT_EQ(r.y.rule, DesignPeriodRule::scaledEmpirical);
  EXPECT_DOUBLE_EQ(r.y.designPeriod, 0.5);
  EXPECT_DOUBLE_EQ(r.Tx, 0.6);
  EXPECT_DOUBLE_EQ(r.TEx, 0.51);

  p.form8.Check[4].value = 1;  // the analytical period is not used
  const StaticRunResult e = calculateStaticRun(p);
  EXPECT_EQ(e.x.rule, DesignPeriodRule::empirical);
  EXPECT_DOUBLE_EQ(e.x.designPeriod, 0.512);
}

TEST_F(StaticCalculation, NamesTheBranchOfBAndTheCoefficientBeforeItsFloor)
{
  // Both periods beyond TS: B = 2.5 (0.4 / T)^(2/3).
  StaticRunResult r = calculateStaticRun(p);
  EXPECT_EQ(r.x.branch, ReflectionBranch::falling);
  EXPECT_DOUBLE_EQ(r.x.reflection, 2.5 * std::pow(0.4 / 0.6, 2.0 / 3.0));
  EXPECT_FALSE(r.x.floored);
  EXPECT_DOUBLE_EQ(r.x.coefficient, r.x.coefficientBeforeFloor);

  p.TS = 0.7;  // on the plateau
  r = calculateStaticRun(p);
  EXPECT_EQ(r.y.branch, ReflectionBranch::plateau);
  EXPECT_DOUBLE_EQ(r.y.reflection, 2.5);
  EXPECT_DOUBLE_EQ(r.y.coefficientBeforeFloor, 0.35 * 2.5 / 10);

  p.T0 = 0.55;  // y at 0.5 s before the plateau: B = 1 + 1.5 x 0.5 / 0.55
  p.Ry = 30;    // B / R = 0.059: C takes 0.1 A I
  r = calculateStaticRun(p);
  EXPECT_EQ(r.y.branch, ReflectionBranch::rising);
  EXPECT_DOUBLE_EQ(r.y.reflection, 1 + 1.5 * 0.5 / 0.55);
  EXPECT_TRUE(r.y.floored);
  EXPECT_DOUBLE_EQ(r.y.coefficientBeforeFloor, 0.35 * r.y.reflection / 30);
  EXPECT_DOUBLE_EQ(r.y.coefficient, 0.035);
  EXPECT_DOUBLE_EQ(r.Cy, 0.035);
}

TEST_F(StaticCalculation, AStoppedRunCarriesTheCapsMadeBeforeItStopped)
{
  // Bearing walls in x cap Ry at Rx, then the very important building in the most seismic zone
  // without special systems stops at the sixth check.
  p.SYSTEMx = 2;
  p.Rx = 5;
  p.Ry = 8;
  p.i = 1.4;
  const StaticRunResult r = calculateStaticRun(p);
  EXPECT_EQ(r.stop, StaticStop::codeCheck);
  EXPECT_EQ(r.failedCheck, 6);
  EXPECT_DOUBLE_EQ(r.Ry, 5);
  EXPECT_DOUBLE_EQ(p.Ry, 8);  // the project is left to the run's store step
}

TEST_F(StaticCalculation, NoStoriesOrNoWeightStopTheRun)
{
  p.N = 0;
  EXPECT_EQ(calculateStaticRun(p).stop, StaticStop::invalid);
  p.N = 1;
  p.DL[1] = 0;
  p.AR[1] = 0;
  EXPECT_EQ(calculateStaticRun(p).stop, StaticStop::zeroSum);
}

}  // namespace
}  // namespace vorn
