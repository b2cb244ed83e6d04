#include "windows/torsion/run2_torsion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/common/run_messages.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {
namespace {

// Per-story values of stories 1 … n.
using Values = std::vector<double>;

void set(StoryArray& a, const Values& v)
{
  for (std::size_t k = 0; k < v.size(); ++k) {
    a[static_cast<int>(k) + 1] = v[k];
  }
}

class TorsionRunTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  void run() { RUN2(*s); }
  bool resultsShown() { return p().window(WindowId::Form18).visible; }
  const Grid& grid() { return p().form18.MSFlexGrid1; }

  // An irregular building whose static run and torsion data are in place: n stories of 3 m, the
  // factors typed by the user, every centre in the middle of a 10 m square plan.
  void building(int n)
  {
    Project& q = p();
    q.N = n;
    q.H1 = 3.0 * n;
    q.form8.Check[3].value = 0;
    q.FDIMx = 10;
    q.FDIMy = 10;
    q.FTHK = 1;
    for (int i = 1; i <= n; ++i) {
      q.LevelHeight[i] = 3.0 * i;
      q.StoryWeight[i] = 10000;
      q.ForceX[i] = 1000;
      q.ForceY[i] = 1000;
      q.CMx[i] = q.CMy[i] = q.CRx[i] = q.CRy[i] = 5;
      q.DIMx[i] = q.DIMy[i] = 10;
      q.CMSET[i] = true;
    }
  }
  // The drifts of the P-Delta data, in metres, confirmed for every story.
  void drifts(const Values& averageX, const Values& maximumX, const Values& averageY,
              const Values& maximumY)
  {
    set(p().DRIFTx, averageX);
    set(p().DRIFTMAXx, maximumX);
    set(p().DRIFTy, averageY);
    set(p().DRIFTMAXy, maximumY);
    p().PDELTASET = true;
  }
  void computedFactors() { s->form14.Option1_Click(1); }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

// ---- The worked building ----------------------------------------------------------------------

// Four stories of 3 m on a 0.6 m foundation, plan 20 m by 12 m, irregular, typed factors. The
// expected values were worked out by hand in exact decimals from the same data:
//   MTx(i) = sum over j >= i of ForceX(j) (CMy(j) - CRy(i)), MTAx(i) = sum ForceX(j) EACCy(j),
//   EACCy(j) = Ajy(j) 0.05 DIMy(j), MTTx = MTx -/+ |MTAx|; likewise for y with x values;
//   MOx = sum ForceX (0.6 + level), MRx = min(sum W CMx, sum W (20 - CMx)), SFx = MRx / MOx.
class WorkedBuilding : public TorsionRunTest {
protected:
  void SetUp() override
  {
    Project& q = p();
    q.N = 4;
    q.H1 = 12;
    q.form8.Check[3].value = 0;
    q.FDIMx = 20;
    q.FDIMy = 12;
    q.FTHK = 0.6;
    set(q.ForceX, {12345, 23456, 34567, 51234});
    set(q.ForceY, {10101, 20202, 30303, 45454});
    set(q.StoryWeight, {60000, 58000, 58000, 45000});
    for (int i = 1; i <= 4; ++i) {
      q.LevelHeight[i] = 3.0 * i;
      q.CMSET[i] = true;
    }
    set(q.CMx, {10, 10.55, 9.2, 11.05});
    set(q.CMy, {6, 6, 5.5, 6.5});
    set(q.CRx, {9, 9.5, 10, 10});
    set(q.CRy, {5, 6.5, 6, 6});
    set(q.DIMx, {20, 20, 19.2, 18});
    set(q.DIMy, {12, 12, 11.2, 11});
    set(q.Ajx, {1, 1.2, 1.5, 2});
    set(q.Ajy, {1, 1, 1.3, 1});
  }
};

TEST_F(WorkedBuilding, StoresTheRoundedMomentsOfEveryStory)
{
  run();
  ASSERT_TRUE(prompter.shown().empty());
  struct Story {
    double ECCx, ECCy, EACCx, EACCy, MTx, MTAx, MTTx, MTy, MTAy, MTTy;
  };
  const std::array<Story, 4> expected = {{
      {-1.00, -1.00, 1.00, 0.60, 129936, 74824, 204760, 140655, 159797, 300452},
      {-1.05, 0.50, 1.20, 0.60, -46295, 67417, -113712, 82575, 149696, 232271},
      {0.80, 0.50, 1.44, 0.73, 8334, 53343, 61677, 23484, 125454, 148938},
      {-1.05, -0.50, 1.80, 0.55, 25617, 28179, 53796, 47727, 81817, 129544},
  }};
  for (int i = 1; i <= 4; ++i) {
    const Story& e = expected.at(static_cast<std::size_t>(i - 1));
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(p().ECCx[i], e.ECCx);
    EXPECT_DOUBLE_EQ(p().ECCy[i], e.ECCy);
    EXPECT_DOUBLE_EQ(p().EACCx[i], e.EACCx);
    EXPECT_DOUBLE_EQ(p().EACCy[i], e.EACCy);
    EXPECT_EQ(p().MTx[i], e.MTx);
    EXPECT_EQ(p().MTAx[i], e.MTAx);
    EXPECT_EQ(p().MTTx[i], e.MTTx);
    EXPECT_EQ(p().MTy[i], e.MTy);
    EXPECT_EQ(p().MTAy[i], e.MTAy);
    EXPECT_EQ(p().MTTy[i], e.MTTy);
  }
}

TEST_F(WorkedBuilding, OverturningMomentsAndSafetyFactors)
{
  run();
  // MOx = 12345 x 3.6 + 23456 x 6.6 + 34567 x 9.6 + 51234 x 12.6 = 1176643.2
  EXPECT_EQ(p().MOx, 1176643);
  EXPECT_EQ(p().MOy, 1033326);
  // sum W CMx = 2242750 against sum W (20 - CMx) = 2177250; for y 1319500 against 1332500.
  EXPECT_DOUBLE_EQ(p().sumWCMx, 2242750);
  EXPECT_DOUBLE_EQ(p().sumWFarX, 2177250);
  EXPECT_DOUBLE_EQ(p().sumWCMy, 1319500);
  EXPECT_DOUBLE_EQ(p().sumWFarY, 1332500);
  EXPECT_EQ(p().MRx, 2177250);
  EXPECT_EQ(p().MRy, 1319500);
  EXPECT_DOUBLE_EQ(p().SFx, 1.85);  // 2177250 / 1176643 = 1.8504
  EXPECT_DOUBLE_EQ(p().SFy, 1.28);  // 1319500 / 1033326 = 1.2769
  EXPECT_DOUBLE_EQ(p().HF, 12.6);
  EXPECT_DOUBLE_EQ(p().overturnH1, 12);
}

TEST_F(WorkedBuilding, ResultsWindowShowsLabelsAndGrid)
{
  run();
  EXPECT_TRUE(resultsShown());
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().form27.Check[6].enabled);

  namespace t = form18_texts;
  const Form18Contents& f = p().form18;
  EXPECT_EQ(f.Label1.caption, t::unitLabel);
  EXPECT_EQ(f.Label2.caption, std::string(t::heightFromFoundation) + " 12.6");
  EXPECT_EQ(f.Label3[0].caption, std::string(t::overturningX) + " 1176643");
  EXPECT_EQ(f.Label3[1].caption, std::string(t::overturningY) + " 1033326");
  EXPECT_EQ(f.Label4.caption, std::string(t::resistingX) + " 2177250");
  EXPECT_EQ(f.Label3[2].caption, std::string(t::resistingY) + " 1319500");
  EXPECT_EQ(f.Label5.caption, std::string(t::safetyX) + " 1.85");
  EXPECT_EQ(f.Label6[0].caption, ">1.75 , ok");
  EXPECT_EQ(f.Label8.caption, std::string(t::safetyY) + " 1.28");
  EXPECT_EQ(f.Label6[1].caption, "<1.75 , not good");
  // 12 m is low enough for the test, but the centres of rigidity lie more than 5 % of the plan
  // from the centres of mass in both directions.
  EXPECT_TRUE(p().TORNEG);
  EXPECT_FALSE(p().TORNEGx);
  EXPECT_FALSE(p().TORNEGy);
  EXPECT_EQ(f.Label7.caption, t::notIgnorable);

  ASSERT_EQ(grid().rows(), 5);
  ASSERT_EQ(grid().cols(), 13);
  for (int c = 0; c < 13; ++c) {
    EXPECT_EQ(grid().text(0, c), t::headers.at(static_cast<std::size_t>(c)));
    EXPECT_EQ(grid().colWidth(c), 4000);
    for (int r = 0; r <= 4; ++r) {
      EXPECT_EQ(grid().cellFormat(r, c), 3) << r << "," << c;
    }
  }
  const std::array<const char*, 13> row2 = {" 2",      "-1.05",  " .5",     " 1.2",   " .6",
                                            "-46295",  " 67417", "-113712", " 82575", " 149696",
                                            " 232271", " 1.2",   " 1"};
  for (int c = 0; c < 13; ++c) {
    EXPECT_EQ(grid().text(2, c), row2.at(static_cast<std::size_t>(c))) << c;
  }
}

TEST_F(WorkedBuilding, RegularBuildingUsesFactorsOfOneWhateverWasTyped)
{
  p().form8.Check[3].value = 1;
  p().Ajx[150] = 2.5;
  computedFactors();  // the drift option does not count for a regular building, nor do drifts
  run();
  ASSERT_TRUE(prompter.shown().empty());
  for (int s = 1; s <= kMaxStories; ++s) {
    ASSERT_EQ(p().Ajx[s], 1) << s;
    ASSERT_EQ(p().Ajy[s], 1) << s;
  }
  // EACCx = 0.05 DIMx: 1, 1, 0.96, 0.9.
  EXPECT_DOUBLE_EQ(p().EACCx[3], 0.96);
  EXPECT_DOUBLE_EQ(p().EACCx[4], 0.9);
  EXPECT_EQ(grid().text(4, 11), " 1");
}

TEST_F(WorkedBuilding, SecondRunForFewerStoriesLeavesNoOldRows)
{
  run();
  s->form18.OK_Click();
  p().N = 2;
  run();
  EXPECT_EQ(grid().rows(), 3);
  EXPECT_EQ(grid().text(2, 0), " 2");
}

// ---- Amplification factors from the drifts -----------------------------------------------------

TEST_F(TorsionRunTest, FactorsFromDriftsAreCappedBetweenOneAndThree)
{
  // Each story alike, so the sums keep the story's own ratio: maximum 1.2 times the average
  // gives 1, equal to the average (1/1.2)^2 = 0.69 raised to 1, 2.5 times (2.5/1.2)^2 = 4.34
  // lowered to 3, 1.5 times (1.5/1.2)^2 = 1.5625 kept as 1.56.
  struct Case {
    double average, maximum, factor;
  };
  const Case cases[] = {{0.01, 0.012, 1}, {0.01, 0.01, 1}, {0.01, 0.025, 3}, {0.02, 0.03, 1.56}};
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    building(3);
    computedFactors();
    drifts({c.average, c.average, c.average}, {c.maximum, c.maximum, c.maximum}, {0.01, 0.01, 0.01},
           {0.01, 0.01, 0.01});
    run();
    ASSERT_TRUE(prompter.shown().empty());
    for (int i = 1; i <= 3; ++i) {
      EXPECT_DOUBLE_EQ(p().Ajx[i], c.factor) << c.maximum << " story " << i;
      EXPECT_EQ(p().Ajy[i], 1);
    }
  }
}

TEST_F(TorsionRunTest, FactorOfAStoryUsesTheDriftsSummedFromTheBase)
{
  building(2);
  computedFactors();
  // Story 2 alone: (0.018 / (1.2 x 0.01))^2 = 2.25. Summed with story 1:
  // ((0.012 + 0.018) / (1.2 x 0.02))^2 = 1.25^2 = 1.5625.
  drifts({0.01, 0.01}, {0.012, 0.018}, {0.01, 0.02}, {0.012, 0.042});
  run();
  EXPECT_DOUBLE_EQ(p().Ajx[1], 1);
  EXPECT_DOUBLE_EQ(p().Ajx[2], 1.56);
  // y: (0.054 / (1.2 x 0.03))^2 = 2.25.
  EXPECT_DOUBLE_EQ(p().Ajy[2], 2.25);
  // The accidental eccentricity takes the factor: 1.5625 x 0.05 x 10 = 0.78125.
  EXPECT_DOUBLE_EQ(p().EACCx[2], 0.78);
  EXPECT_EQ(grid().text(2, 11), " 1.56");
}

TEST_F(TorsionRunTest, DriftsMustBeEnteredBeforeFactorsAreComputed)
{
  building(2);
  computedFactors();
  p().Ajx[1] = 2;
  run();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, run2_texts::driftsMissing);
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  EXPECT_FALSE(resultsShown());
  EXPECT_EQ(p().Ajx[1], 2);
  EXPECT_EQ(p().MOx, 0);
  EXPECT_FALSE(p().form27.Check[6].enabled);
}

TEST_F(TorsionRunTest, TypedFactorsNeedNoDrifts)
{
  building(2);
  p().Ajx[2] = 2;
  run();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(resultsShown());
  EXPECT_EQ(p().Ajx[2], 2);
  EXPECT_DOUBLE_EQ(p().EACCx[2], 1);  // 2 x 0.05 x 10
}

TEST_F(TorsionRunTest, MaximumDriftBelowAverageStopsTheRunAtThatStory)
{
  building(3);
  computedFactors();
  set(p().Ajx, {2.5, 2.5, 2.5});
  drifts({0.01, 0.01, 0.01}, {0.015, 0.02, 0.02}, {0.01, 0.01, 0.01}, {0.01, 0.009, 0.01});
  run();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, std::string(run2_texts::driftBelowAverageBefore) + " 2" +
                                          run2_texts::driftBelowAverageAfter);
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  // Story 1 already has its new factor, (0.015 / 0.012)^2 = 1.5625; the others keep theirs.
  EXPECT_NEAR(p().Ajx[1], 1.5625, 1e-12);
  EXPECT_EQ(p().Ajx[2], 2.5);
  EXPECT_EQ(p().Ajx[3], 2.5);
  EXPECT_FALSE(resultsShown());
  EXPECT_EQ(p().MOx, 0);
}

TEST_F(TorsionRunTest, ZeroDriftSumsGiveFactorsWithoutDividingByZero)
{
  building(2);
  computedFactors();
  // x: no drift at all in story 1, then drift in story 2. y: story 1 turns without moving on
  // average (maximum drift only).
  drifts({0, 0.01}, {0, 0.012}, {0, 0}, {0.004, 0.004});
  run();
  ASSERT_TRUE(prompter.shown().empty());
  EXPECT_EQ(p().Ajx[1], 1);
  EXPECT_EQ(p().Ajx[2], 1);  // (0.012 / 0.012)^2
  EXPECT_EQ(p().Ajy[1], 3);
  EXPECT_EQ(p().Ajy[2], 3);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_TRUE(std::isfinite(p().EACCx[i]) && std::isfinite(p().EACCy[i]));
  }
}

// ---- Torsional moments -------------------------------------------------------------------------

TEST_F(TorsionRunTest, TotalMomentAddsTheAccidentalMomentToTheMagnitude)
{
  building(1);
  // x shear: 100 kg at CMy - CRy = -5 m gives -500; EACCy = 0.05 x 60 = 3 m gives 300.
  p().ForceX[1] = 100;
  p().CMy[1] = 5;
  p().CRy[1] = 10;
  p().DIMy[1] = 60;
  // y shear: centres on one vertical line, so no static moment; EACCx = 0.5 m gives 500.
  p().ForceY[1] = 1000;
  run();
  EXPECT_EQ(p().MTx[1], -500);
  EXPECT_EQ(p().MTAx[1], 300);
  EXPECT_EQ(p().MTTx[1], -800);
  EXPECT_EQ(p().MTy[1], 0);
  EXPECT_EQ(p().MTAy[1], 500);
  EXPECT_EQ(p().MTTy[1], 500);
  EXPECT_EQ(grid().text(1, 7), "-800");
  EXPECT_EQ(grid().text(1, 8), " 0");
}

TEST_F(TorsionRunTest, StorySumsUseTheEccentricitiesOfTheStoriesAbove)
{
  building(2);
  p().Ajy[2] = 2;  // EACCy(2) = 2 x 0.05 x 10 = 1
  run();
  // MTAx(1) = 1000 x 0.5 + 1000 x 1, MTAx(2) = 1000 x 1.
  EXPECT_EQ(p().MTAx[1], 1500);
  EXPECT_EQ(p().MTAx[2], 1000);
}

TEST_F(TorsionRunTest, RoundingSendsHalvesToTheEvenNeighbour)
{
  building(1);
  // x shear: MTx = 5 x (5.5 - 5) = 2.5 -> 2, MTAx = 5 x 0.5 = 2.5 -> 2, MTTx = 5.
  p().ForceX[1] = 5;
  p().CMy[1] = 5.5;
  // y shear: MTy = 20 x (5.5 - 5.625) = -2.5 -> -2, MTAy = 10, MTTy = -12.5 -> -12;
  // ECCx = 5.625 - 5.5 = 0.125 -> 0.12.
  p().ForceY[1] = 20;
  p().CMx[1] = 5.5;
  p().CRx[1] = 5.625;
  run();
  EXPECT_EQ(p().MTx[1], 2);
  EXPECT_EQ(p().MTAx[1], 2);
  EXPECT_EQ(p().MTTx[1], 5);
  EXPECT_EQ(p().MTy[1], -2);
  EXPECT_EQ(p().MTAy[1], 10);
  EXPECT_EQ(p().MTTy[1], -12);
  EXPECT_DOUBLE_EQ(p().ECCx[1], 0.12);
  EXPECT_DOUBLE_EQ(p().ECCy[1], -0.5);
}

// ---- Safety factors and the conclusion ---------------------------------------------------------

TEST_F(TorsionRunTest, SafetyFactorOfExactlyOneSeventyFiveIsOk)
{
  building(1);
  // MOx = 1000 x (1 + 3) = 4000; MRx = min(1000 x 7, 1000 x 13) = 7000: 7000 / 4000 = 1.75.
  p().StoryWeight[1] = 1000;
  p().CMx[1] = 7;
  p().CRx[1] = 7;
  p().FDIMx = 20;
  // y: MRy = min(1000 x 5, 1000 x 5) = 5000 against MOy = 2870 x 4 = 11480: 0.4355 -> 0.44.
  p().ForceY[1] = 2870;
  run();
  EXPECT_DOUBLE_EQ(p().SFx, 1.75);
  EXPECT_EQ(p().form18.Label6[0].caption, ">1.75 , ok");
  EXPECT_DOUBLE_EQ(p().SFy, 0.44);
  EXPECT_EQ(p().form18.Label6[1].caption, "<1.75 , not good");
  EXPECT_EQ(safetyVerdict(1.74), "<1.75 , not good");
}

TEST_F(TorsionRunTest, NoLateralForcesStopsTheRunInsteadOfDividingByZero)
{
  building(2);
  for (int i = 1; i <= 2; ++i) {
    p().ForceX[i] = 0;
  }
  p().SFx = 1.5;
  run();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, run2_texts::noOverturningMoment);
  EXPECT_FALSE(resultsShown());
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(p().SFx, 1.5);
  EXPECT_EQ(p().MOy, 0);
  EXPECT_FALSE(p().form27.Check[6].enabled);
}

TEST_F(TorsionRunTest, FactorsFoundBeforeAStopOnTheMomentsStayUnrounded)
{
  for (const bool regular : {true, false}) {
    s = std::make_unique<Session>(prompter);
    building(2);
    p().form8.Check[3].value = regular ? 1 : 0;
    computedFactors();
    // Story 1: (0.015 / 0.012)^2 = 1.5625, which a completed run would store as 1.56.
    drifts({0.01, 0.01}, {0.015, 0.015}, {0.01, 0.01}, {0.012, 0.012});
    p().Ajx[150] = 2.5;
    p().ForceX[1] = p().ForceX[2] = 0;
    run();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, run2_texts::noOverturningMoment);
    EXPECT_NEAR(p().Ajx[1], regular ? 1 : 1.5625, 1e-12) << regular;
    EXPECT_EQ(p().Ajx[150], regular ? 1 : 2.5) << regular;
    EXPECT_EQ(p().EACCx[1], 0) << regular;
    prompter.clear();
  }
}

// Values far beyond any building (a hand-edited project file) overflow the moments or the drift
// sums: the run stops under the static run's message for invalid data and keeps what it had.
TEST_F(TorsionRunTest, MomentsOrDriftSumsBeyondADoubleStopTheRun)
{
  struct Case {
    const char* what;
    std::function<void(Project&)> spoil;
    bool factorsFromDrifts = false;
  };
  const Case cases[] = {
      {"a centre of mass", [](Project& q) { q.CMy[2] = 1.7e308; }},
      {"a story weight", [](Project& q) { q.StoryWeight[1] = -1e308; }},
      {"the foundation's thickness", [](Project& q) { q.FTHK = 1e308; }},
      {"the resisting moment over a small overturning one",
       [](Project& q) {
         q.StoryWeight[1] = 1.7e308;
         q.ForceX[1] = q.ForceX[2] = 0.2;  // MOx rounds to 1
       }},
      {"the drift sums",
       [](Project& q) {
         set(q.DRIFTx, {1e308, 1e308});
         set(q.DRIFTMAXx, {1.5e308, 1.5e308});
         q.PDELTASET = true;
       },
       true},
  };
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    building(2);
    c.spoil(p());
    if (c.factorsFromDrifts) {
      computedFactors();
    }
    p().SFx = 1.5;
    p().MTx[1] = 7;
    run();
    ASSERT_EQ(prompter.shown().size(), 1u) << c.what;
    EXPECT_EQ(prompter.shown()[0].text, run1_texts::invalidDataMessage) << c.what;
    EXPECT_EQ(prompter.shown()[0].title, run1_texts::checkTitle);
    EXPECT_FALSE(resultsShown()) << c.what;
    EXPECT_EQ(p().SFx, 1.5) << c.what;
    EXPECT_EQ(p().MTx[1], 7) << c.what;
    EXPECT_EQ(p().MOx, 0) << c.what;
    EXPECT_FALSE(p().form27.Check[6].enabled) << c.what;
    EXPECT_TRUE(std::isfinite(p().Ajx[2]) && std::isfinite(p().Ajy[2])) << c.what;
    prompter.clear();
  }
}

TEST_F(TorsionRunTest, TorsionNeglectTestNeedsALowBuilding)
{
  struct Case {
    double height;
    int stories;
    bool low;
  };
  // 18 m passes by the height whatever the stories; 19 m passes by fewer than 6 stories.
  const Case cases[] = {{18, 10, true}, {19, 5, true}, {19, 6, false}, {18.01, 6, false}};
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    building(c.stories);
    p().H1 = c.height;
    run();
    EXPECT_EQ(p().TORNEG, c.low) << c.height << " m, " << c.stories;
    EXPECT_EQ(p().TORNEGx, c.low);
    EXPECT_EQ(p().TORNEGy, c.low);
    EXPECT_EQ(p().form18.Label7.caption, c.low ? form18_texts::ignorable : form18_texts::tooTall);
  }
}

TEST_F(TorsionRunTest, ConclusionNamesTheDirectionsWhereTorsionMayBeIgnored)
{
  namespace t = form18_texts;
  struct Case {
    double CRx1, CRy1;  // centre of rigidity of story 1; every centre of mass at 5
    bool x, y;
    const char* text;
  };
  // 5 % of the 10 m dimensions is 0.5 m: a distance of exactly 0.5 m still passes.
  const Case cases[] = {
      {5.5, 4.5, true, true, t::ignorable},
      {5.6, 5, true, false, t::ignorableForX},
      {5, 4.4, false, true, t::ignorableForY},
      {5.6, 4.4, false, false, t::notIgnorable},
  };
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    building(3);
    p().CRx[1] = c.CRx1;
    p().CRy[1] = c.CRy1;
    run();
    EXPECT_EQ(p().TORNEGx, c.x) << c.CRx1 << "," << c.CRy1;
    EXPECT_EQ(p().TORNEGy, c.y) << c.CRx1 << "," << c.CRy1;
    EXPECT_EQ(p().form18.Label7.caption, c.text);
  }
}

TEST_F(TorsionRunTest, NeglectTestComparesAStoryWithTheCentresOfMassAbove)
{
  building(3);
  // Story 3's centre of mass lies 0.6 m from story 1's centre of rigidity (but 0 from its own).
  p().CMx[3] = 5.6;
  p().CRx[3] = 5.6;
  run();
  EXPECT_FALSE(p().TORNEGy);
  EXPECT_TRUE(p().TORNEGx);
}

TEST_F(TorsionRunTest, StoryCountOutsideTheTablesIsRefused)
{
  for (double n : {0.0, 2.5, 201.0}) {
    s = std::make_unique<Session>(prompter);
    building(2);
    p().N = n;
    run();
    ASSERT_EQ(prompter.shown().size(), 1u) << n;
    EXPECT_EQ(prompter.shown()[0].text, run1_texts::invalidDataMessage);
    EXPECT_FALSE(resultsShown());
    prompter.clear();
  }
}

}  // namespace
}  // namespace vorn
