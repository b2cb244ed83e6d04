#include "windows/pdelta/form24_pdelta_results.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_window_driver.h"
#include "model/number_text.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/common/run_messages.h"
#include "windows/pdelta/form23_pdelta.h"

namespace vorn {
namespace {

namespace t24 = form24_texts;

const std::string kNegligible = "قابل صرفنظر";
const std::string kUnstable = "طبقه ناپايدار";

class PDeltaRun : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  // A building of n stories, each 1 m high, with the static results and the drifts set by
  // the test; the dialog is open.
  void building(int n, bool regular = true)
  {
    p().N = n;
    p().form8.Check[3].value = regular ? 1 : 0;
    for (int i = 1; i <= n; ++i) {
      p().HS[i] = 1;
      p().DRIFTSET[i] = true;
    }
    test::lockInputsAfterRun(*s);
    test::clickMainCommand(*s, 16);
  }
  void run() { s->form23.Command4_Click(); }

  const Grid& grid() { return p().form24.MSFlexGrid1; }
  std::vector<std::string> row(int r)
  {
    std::vector<std::string> texts;
    for (int c = 0; c < grid().cols(); ++c) {
      texts.push_back(grid().text(r, c));
    }
    return texts;
  }

  Project& p() { return s->project; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(PDeltaRun, GravityLoadAndStoryShearSumTheStoryAndEveryStoryAbove)
{
  building(3);
  // weight + live load left out of the seismic weight: 30000 + 200·100·0.8, 25000 + 250·80·0.6,
  // 20000 + 150·100·1
  const double weight[] = {30000, 25000, 20000};
  const double ll[] = {200, 250, 150};
  const double ar[] = {100, 80, 100};
  const double perl[] = {20, 40, 0};
  for (int i = 1; i <= 3; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    p().StoryWeight[i] = weight[k];
    p().LL[i] = ll[k];
    p().AR[i] = ar[k];
    p().PERL[i] = perl[k];
    p().ForceX[i] = 1000.0 * i;
    p().ForceY[i] = 500.0 + 1000.0 * (i - 1);
  }
  p().StoryWeight[4] = 1e9;  // beyond N
  p().ForceX[4] = 1e9;
  run();
  EXPECT_DOUBLE_EQ(p().PGRAV[3], 35000);
  EXPECT_DOUBLE_EQ(p().PGRAV[2], 72000);
  EXPECT_DOUBLE_EQ(p().PGRAV[1], 118000);
  EXPECT_DOUBLE_EQ(p().VSTORYx[3], 3000);
  EXPECT_DOUBLE_EQ(p().VSTORYx[2], 5000);
  EXPECT_DOUBLE_EQ(p().VSTORYx[1], 6000);
  EXPECT_DOUBLE_EQ(p().VSTORYy[3], 2500);
  EXPECT_DOUBLE_EQ(p().VSTORYy[1], 4500);
  EXPECT_TRUE(prompter.shown().empty());
}

struct StabilityCase {
  const char* what;
  double drift;  // m; with P = 10 000 kg, V = 1 000 kg and h = 1 m, θ = 10 × drift
  double R;
  double theta;
  std::string added;  // the verdict cell
  std::string total;  // the total-shear cell
};

TEST_F(PDeltaRun, StabilityCoefficientIsClassifiedWithItsExactBoundaries)
{
  const StabilityCase cases[] = {
      {"just below 0.1", 0.0099, 6, 0.099, kNegligible, " 1000"},
      {"no drift", 0, 6, 0, kNegligible, " 1000"},
      {"exactly 0.1 is amplified", 0.01, 6, 0.1, " 111", " 1111"},                // 1000 / 0.9
      {"0.15", 0.015, 6, 0.15, " 176", " 1176"},                                  // 1000 / 0.85
      {"exactly 0.25 = 1.25 / 5", 0.025, 5, 0.25, " 333", " 1333"},               // 1000 / 0.75
      {"just above 0.25", 0.0251, 5, 0.251, kUnstable, "-"},                      //
      {"0.2 with R = 7 is above 1.25 / 7", 0.02, 7, 0.2, kUnstable, "-"},         //
      {"0.178 with R = 7 is below 1.25 / 7", 0.0178, 7, 0.178, " 217", " 1217"},  // 1000 / 0.822
  };
  for (const StabilityCase& c : cases) {
    SCOPED_TRACE(c.what);
    s = std::make_unique<Session>(prompter);
    building(1);
    p().StoryWeight[1] = 10000;
    p().ForceX[1] = 1000;
    p().ForceY[1] = 1000;
    p().DRIFTx[1] = c.drift;
    p().DRIFTy[1] = c.drift;
    p().Rx = c.R;
    p().Ry = c.R;
    run();
    EXPECT_NEAR(p().THETAx[1], c.theta, 1e-12);
    EXPECT_EQ(row(1), (std::vector<std::string>{" 1", padded(c.drift), padded(c.drift),
                                                padded(c.drift), padded(c.drift), c.added, c.total,
                                                c.added, c.total, "", "", "", ""}));
  }
}

TEST_F(PDeltaRun, BoundaryCoefficientsAreTheExactValuesThatTheBoundaryCasesClaim)
{
  // The classification cases above only test the boundaries if θ comes out exactly there.
  for (double drift : {0.01, 0.025}) {
    s = std::make_unique<Session>(prompter);
    building(1);
    p().StoryWeight[1] = 10000;
    p().ForceX[1] = 1000;
    p().ForceY[1] = 1000;
    p().DRIFTx[1] = drift;
    run();
    EXPECT_EQ(p().THETAx[1], drift == 0.01 ? 0.1 : 0.25);
  }
}

TEST_F(PDeltaRun, AmplifiedShearIsAWholeNumberRoundedHalfToEven)
{
  // θ = 0.125 exactly (drift 0.125 m, P = V, h = 1 m): V / 0.875 ends in .5
  struct {
    double V;
    double vpd;
    const char* vadd;
  } const cases[] = {
      {999.6875, 1142, " 142.3125"},   // 1142.5 goes down to the even 1142
      {1000.5625, 1144, " 143.4375"},  // 1143.5 goes up to the even 1144
  };
  for (const auto& c : cases) {
    s = std::make_unique<Session>(prompter);
    building(1);
    p().StoryWeight[1] = c.V;
    p().ForceX[1] = c.V;
    p().ForceY[1] = c.V;
    p().DRIFTx[1] = 0.125;
    p().DRIFTy[1] = 0.125;
    run();
    EXPECT_EQ(p().THETAx[1], 0.125);
    EXPECT_EQ(p().VPDx[1], c.vpd);
    EXPECT_EQ(p().VADDx[1], c.vpd - c.V);
    EXPECT_EQ(grid().text(1, 5), c.vadd);
    EXPECT_EQ(grid().text(1, 6), padded(c.vpd));
  }
}

TEST_F(PDeltaRun, AmplifiedShearsAreKeptFromEarlierRunsWhenAStoryIsNotAmplified)
{
  building(1);
  p().StoryWeight[1] = 10000;
  p().ForceX[1] = 1000;
  p().ForceY[1] = 1000;
  p().DRIFTx[1] = 0.015;
  p().DRIFTy[1] = 0.015;
  run();
  EXPECT_EQ(p().VPDx[1], 1176);
  EXPECT_EQ(p().VADDx[1], 176);
  s->form24.OK_Click();

  p().DRIFTx[1] = 0.001;  // negligible now
  p().DRIFTy[1] = 0.05;   // unstable now
  run();
  EXPECT_DOUBLE_EQ(p().THETAx[1], 0.01);
  EXPECT_DOUBLE_EQ(p().THETAy[1], 0.5);
  EXPECT_EQ(p().VPDx[1], 1176);
  EXPECT_EQ(p().VADDx[1], 176);
  EXPECT_EQ(p().VPDy[1], 1176);
  EXPECT_EQ(p().VADDy[1], 176);
}

TEST_F(PDeltaRun, ZeroShearOrHeightIsReportedAsUndeterminedAndTheOtherStoriesStillAre)
{
  building(3);
  for (int i = 1; i <= 3; ++i) {
    p().StoryWeight[i] = 10000;
    p().DRIFTx[i] = 0.001;
    p().DRIFTy[i] = 0.001;
    p().ForceY[i] = 1000;
  }
  p().ForceX[1] = 1000;
  p().ForceX[2] = 1000;
  p().ForceX[3] = 0;  // the roof carries no x shear
  p().HS[2] = 0;
  p().VPDx[3] = 55;
  ASSERT_NO_THROW(run());

  // Story 1: P = 30 000, Vx = 2 000, Vy = 3 000: θ = 0.015 and 0.01.
  EXPECT_EQ(grid().text(1, 5), kNegligible);
  EXPECT_EQ(grid().text(1, 6), " 2000");
  EXPECT_EQ(grid().text(1, 8), " 3000");
  EXPECT_DOUBLE_EQ(p().THETAx[1], 0.015);
  // Story 2 has no height: both directions undetermined.
  const std::vector<std::string> cells2 = {grid().text(2, 5), grid().text(2, 6), grid().text(2, 7),
                                           grid().text(2, 8)};
  EXPECT_EQ(cells2, (std::vector<std::string>{t24::zeroHeight, t24::undetermined, t24::zeroHeight,
                                              t24::undetermined}));
  // Story 3 has no x shear; its y direction is checked as usual (θ = 0.01).
  EXPECT_EQ(grid().text(3, 5), t24::zeroShear);
  EXPECT_EQ(grid().text(3, 6), t24::undetermined);
  EXPECT_EQ(grid().text(3, 7), kNegligible);
  EXPECT_EQ(grid().text(3, 8), " 1000");
  EXPECT_EQ(p().THETAx[3], 0);
  EXPECT_EQ(p().THETAx[2], 0);
  EXPECT_EQ(p().VPDx[3], 55);

  // None of these texts can be read as a verdict, a number or the "-" of an unstable story.
  for (const char* text : {t24::zeroHeight, t24::zeroShear, t24::undetermined}) {
    EXPECT_EQ(numericPrefix(text).length, 0u) << text;
    EXPECT_NE(text, kNegligible);
    EXPECT_NE(text, kUnstable);
    EXPECT_NE(std::string(text), "-");
  }
}

// Values far beyond any building (a hand-edited project file) overflow the gravity loads, the
// shears, the drift totals or a coefficient: the run stops under the static run's message for
// invalid data, stores nothing and the dialog stays as it was.
TEST_F(PDeltaRun, SumsOrCoefficientsBeyondADoubleStopTheRunAndStoreNothing)
{
  struct Case {
    const char* what;
    void (*spoil)(Project&);
  };
  const Case cases[] = {
      {"gravity load", [](Project& q) { q.AR[2] = -1e307; }},  // times 200 of live load
      {"story shear", [](Project& q) { q.ForceX[1] = q.ForceX[2] = 1e308; }},
      {"drift total", [](Project& q) { q.DRIFTMAXy[1] = q.DRIFTMAXy[2] = 1.5e308; }},
      {"coefficient", [](Project& q) { q.StoryWeight[2] = 1e300, q.DRIFTx[2] = 1e10; }},
  };
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    building(2, false);
    for (int i = 1; i <= 2; ++i) {
      p().StoryWeight[i] = 10000;
      p().LL[i] = 200;
      p().ForceX[i] = p().ForceY[i] = 1000;
      p().DRIFTx[i] = p().DRIFTy[i] = p().DRIFTMAXx[i] = p().DRIFTMAXy[i] = 0.01;
    }
    p().PGRAV[1] = 77;
    p().THETAx[2] = 0.05;
    c.spoil(p());
    const int rows = grid().rows();
    run();
    ASSERT_EQ(prompter.shown().size(), 1u) << c.what;
    EXPECT_EQ(prompter.shown()[0].text, run1_texts::invalidDataMessage) << c.what;
    EXPECT_EQ(prompter.shown()[0].title, run1_texts::checkTitle);
    EXPECT_FALSE(p().window(WindowId::Form24).visible) << c.what;
    EXPECT_TRUE(p().window(WindowId::Form23).visible) << c.what;
    EXPECT_TRUE(p().window(WindowId::Form23).enabled) << c.what;
    EXPECT_EQ(p().PGRAV[1], 77) << c.what;
    EXPECT_EQ(p().THETAx[2], 0.05) << c.what;
    EXPECT_EQ(grid().rows(), rows) << c.what;
    EXPECT_FALSE(p().form27.Check[10].enabled) << c.what;
    prompter.clear();
  }
}

TEST_F(PDeltaRun, RegularLayoutFillsNineColumnsAndLeavesFourEmpty)
{
  building(2, true);
  for (int i = 1; i <= 2; ++i) {
    p().StoryWeight[i] = 10000;
    p().ForceX[i] = 500;
    p().ForceY[i] = 500;
  }
  p().DRIFTx[1] = 0.01;
  p().DRIFTx[2] = 0.02;
  p().DRIFTy[1] = 0.005;
  p().DRIFTy[2] = 0.0025;
  p().DRIFTMAXx[1] = 0.9;  // not shown for a regular building
  run();

  ASSERT_EQ(grid().rows(), 3);
  ASSERT_EQ(grid().cols(), 13);
  EXPECT_EQ(row(0),
            (std::vector<std::string>{
                "شماره طبقه", "تغيير مكان نسبي جهت افقي طبقه ", "تغيير مكان كل جهت افقي طبقه ",
                "تغيير مكان نسبي جهت عمودي طبقه ", "تغيير مكان كل جهت عمودي طبقه ",
                "برش اضافي جهت افقي طبقه", "برش كل جهت افقي طبقه", "برش اضافي جهت عمودي طبقه",
                "برش كل جهت عمودي طبقه", "", "", "", ""}));
  // Story 1: P = 20 000, V = 1 000: θx = 0.2 (R = 6: 1.25 / 6 = 0.208, amplified: 1000 / 0.8),
  // θy = 0.1 (1000 / 0.9).
  EXPECT_EQ(row(1), (std::vector<std::string>{" 1", " .01", " .01", " .005", " .005", " 250",
                                              " 1250", " 111", " 1111", "", "", "", ""}));
  // Story 2: P = 10 000, V = 500: θx = 0.4, θy = 0.05.
  EXPECT_EQ(row(2), (std::vector<std::string>{" 2", " .02", " .03", " .0025", " .0075", kUnstable,
                                              "-", kNegligible, " 500", "", "", "", ""}));
  for (int c = 0; c < 13; ++c) {
    EXPECT_EQ(grid().colWidth(c), 2500) << "column " << c;
    for (int r = 0; r < 3; ++r) {
      EXPECT_EQ(grid().cellFormat(r, c), grid().cellFormat(0, 0)) << r << "," << c;
    }
  }
}

TEST_F(PDeltaRun, IrregularLayoutAddsTheMaximumDisplacementsBeforeTheShears)
{
  building(2, false);
  for (int i = 1; i <= 2; ++i) {
    p().StoryWeight[i] = 10000;
    p().ForceX[i] = 500;
    p().ForceY[i] = 500;
    p().DRIFTx[i] = 0.001;
    p().DRIFTy[i] = 0.001;
  }
  p().DRIFTMAXx[1] = 0.012;
  p().DRIFTMAXx[2] = 0.013;
  p().DRIFTMAXy[1] = 0.021;
  p().DRIFTMAXy[2] = 0.0225;
  run();

  ASSERT_EQ(grid().cols(), 13);
  const std::vector<std::string> headings = row(0);
  EXPECT_EQ(std::vector<std::string>(headings.begin() + 5, headings.end()),
            (std::vector<std::string>{
                "تغيير مکان نسبي حداکثر جهت افقي", "تغيير مکان نسبي حداکثر جهت عمودي",
                "تغيير مکان کل حداکثر جهت افقي", "تغيير مکان کل حداکثر جهت عمودي",
                "برش اضافي جهت افقي طبقه", "برش كل جهت افقي طبقه", "برش اضافي جهت عمودي طبقه",
                "برش كل جهت عمودي طبقه"}));
  // The average drifts give the stability check; the maximums are only shown.
  EXPECT_EQ(row(1), (std::vector<std::string>{" 1", " .001", " .001", " .001", " .001", " .012",
                                              " .021", " .012", " .021", kNegligible, " 1000",
                                              kNegligible, " 1000"}));
  EXPECT_EQ(row(2), (std::vector<std::string>{" 2", " .001", " .002", " .001", " .002", " .013",
                                              " .0225", " .025", " .0435", kNegligible, " 500",
                                              kNegligible, " 500"}));
}

TEST_F(PDeltaRun, RefillingLeavesNothingOfTheEarlierFill)
{
  building(4, false);
  run();
  ASSERT_EQ(grid().rows(), 5);
  ASSERT_NE(grid().text(1, 12), "");
  s->form24.OK_Click();
  s->form23.CANCEL_Click();

  building(1, true);
  run();
  ASSERT_EQ(grid().rows(), 2);
  for (int c = 9; c < 13; ++c) {
    EXPECT_EQ(grid().text(0, c), "");
    EXPECT_EQ(grid().text(1, c), "");
  }
}

TEST_F(PDeltaRun, ResultsWindowOpensOverTheDialogAndItsOkReturnsToIt)
{
  building(1);
  run();
  EXPECT_TRUE(p().window(WindowId::Form24).visible);
  EXPECT_FALSE(p().window(WindowId::Form23).enabled);
  EXPECT_TRUE(p().form27.Check[10].enabled);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);

  s->form24.OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form24).visible);
  EXPECT_TRUE(p().window(WindowId::Form23).visible);
  EXPECT_TRUE(p().window(WindowId::Form23).enabled);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
}

TEST_F(PDeltaRun, OpeningAProjectRunsTheCheckWithoutAnyWindowShown)
{
  // What the file reader does for a project whose drifts are all entered.
  p().N = 2;
  for (int i = 1; i <= 2; ++i) {
    p().HS[i] = 1;
    p().StoryWeight[i] = 10000;
    p().ForceX[i] = 1000;
    p().ForceY[i] = 1000;
    p().DRIFTx[i] = 0.01;
    p().DRIFTy[i] = 0.01;
    p().DRIFTSET[i] = true;
  }
  run8(*s);
  s->form23.RUN6();
  p().window(WindowId::Form23).enabled = true;
  EXPECT_TRUE(p().form23.Command[4].enabled);
  EXPECT_EQ(grid().rows(), 3);
  // Story 1: P = 20 000, V = 2 000: θ = 0.1, amplified to 2000 / 0.9 = 2222.2.
  EXPECT_EQ(grid().text(1, 5), " 222");
  EXPECT_EQ(grid().text(1, 6), " 2222");
  EXPECT_EQ(p().VPDy[1], 2222);
}

}  // namespace
}  // namespace vorn
