#include "calculations/torsion_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fileformat/project_file.h"

namespace vorn {
namespace {

// An irregular building of n stories of 3 m, every centre at 5 m on a 10 m square plan, forces of
// 1000 kg and weights of 10000 kg, the factors to come from drifts 1.2 times the average (so 1).
std::unique_ptr<Project> building(int n)
{
  auto p = std::make_unique<Project>();
  p->N = n;
  p->H1 = 3.0 * n;
  p->form8.Check[3].value = 0;
  p->form14.Option1[1].value = true;
  p->PDELTASET = true;
  p->FDIMx = p->FDIMy = 10;
  p->FTHK = 1;
  for (int i = 1; i <= n; ++i) {
    p->LevelHeight[i] = 3.0 * i;
    p->StoryWeight[i] = 10000;
    p->ForceX[i] = p->ForceY[i] = 1000;
    p->CMx[i] = p->CMy[i] = p->CRx[i] = p->CRy[i] = 5;
    p->DIMx[i] = p->DIMy[i] = 10;
    p->DRIFTx[i] = p->DRIFTy[i] = 0.01;
    p->DRIFTMAXx[i] = p->DRIFTMAXy[i] = 0.012;
    p->Ajx[i] = p->Ajy[i] = 2.5;
  }
  return p;
}

TEST(TorsionCalculation, DriftStopCarriesTheFactorsOfTheStoriesBelowItAndWritesNothing)
{
  // Story 1: (0.015 / 0.012)^2 = 1.5625 in x, (0.012 / 0.012)^2 = 1 in y. Story 2, summed from
  // the base: (0.033 / 0.024)^2 = 1.890625 and (0.042 / 0.036)^2 = 49 / 36 (not rounded). The
  // drifts of story 3 stop the run.
  auto p = building(4);
  p->DRIFTMAXx[1] = 0.015;
  p->DRIFTMAXx[2] = 0.018;
  p->DRIFTy[2] = 0.02;
  p->DRIFTMAXy[2] = 0.03;
  struct Case {
    TorsionStop stop;
    double average, maximum;
  };
  for (const Case& c : {Case{TorsionStop::driftBelowAverage, 0.01, 0.0099},
                        Case{TorsionStop::driftsNotFinite, 1e308, 1.5e308}}) {
    p->DRIFTx[3] = c.average;
    p->DRIFTMAXx[3] = c.maximum;
    const std::vector<std::string> before = projectFileLines(*p);
    const TorsionRunResult r = calculateTorsionRun(*p);
    EXPECT_EQ(projectFileLines(*p), before);
    EXPECT_EQ(r.stop, c.stop);
    EXPECT_EQ(r.stopStory, 3);
    EXPECT_EQ(r.newFactors, 2);
    EXPECT_DOUBLE_EQ(r.factorX[1], 1.5625);
    EXPECT_DOUBLE_EQ(r.factorX[2], 1.890625);
    EXPECT_DOUBLE_EQ(r.factorY[1], 1);
    EXPECT_NEAR(r.factorY[2], 49.0 / 36, 1e-12);
    EXPECT_EQ(r.factorX[3], 2.5) << "the typed factor stands above the stop";
    EXPECT_EQ(r.MOx, 0) << "no moment is computed after a drift stop";
  }
}

TEST(TorsionCalculation, RegularBuildingSetsEveryStoryOfTheTablesEvenWhenItStops)
{
  auto p = building(3);
  p->form8.Check[3].value = 1;
  for (int i = 1; i <= 3; ++i) {
    p->ForceY[i] = 0;
  }
  const TorsionRunResult r = calculateTorsionRun(*p);
  EXPECT_EQ(r.stop, TorsionStop::noOverturningMoment);
  EXPECT_EQ(r.source, AmplificationSource::regular);
  EXPECT_EQ(r.newFactors, kMaxStories);
  EXPECT_EQ(r.factorX[kMaxStories], 1);
  EXPECT_EQ(r.factorY[2], 1);
  // MOx = 1000 x (4 + 7 + 10) was known before the stop.
  EXPECT_EQ(r.MOx, 21000);
}

TEST(TorsionCalculation, NeglectComparesEachStoryWithTheCentresOfMassFromItUp)
{
  // 5 % of the 10 m plan is 0.5 m; every centre of rigidity at 5 m but story 3's.
  struct Case {
    const char* what;
    double CMx1, CRx3, CMx3;
    bool neglectY;
  };
  const Case cases[] = {
      // Story 3 is 0.85 m from story 1's centre of mass, but that one lies below it.
      {"a centre of mass below does not count", 4.6, 5.45, 5.45, true},
      {"0.6 m under story 1, two stories up", 5, 5, 4.4, false},
      {"0.6 m over story 1, two stories up", 5, 5, 5.6, false},
      {"exactly 0.5 m passes", 5, 5, 4.5, true},
  };
  for (const Case& c : cases) {
    auto p = building(3);
    p->CMx[1] = c.CMx1;
    p->CRx[3] = c.CRx3;
    p->CMx[3] = c.CMx3;
    const TorsionRunResult r = calculateTorsionRun(*p);
    ASSERT_EQ(r.stop, TorsionStop::none) << c.what;
    EXPECT_TRUE(r.lowBuilding);
    EXPECT_EQ(r.neglectY, c.neglectY) << c.what;
    EXPECT_TRUE(r.neglectX) << c.what;
  }
}

}  // namespace
}  // namespace vorn
