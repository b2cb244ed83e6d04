#include "windows/static/run1_static.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/static/form13_static_results.h"

namespace vorn {
namespace {

namespace t = run1_texts;

struct Story {
  double AR, DL, LL, PERL, PW, HW, PERW, LW, LOD, HS;
};

class StaticRunTest : public ::testing::Test {
public:
  StaticRunTest()
  {
    // One story on steel concentric braces (R = 6, 50 m) in both directions, A = 0.35, I = 1,
    // soil type 1, empirical period, H1 = 16 m so that H1^0.75 is exactly 8.
    // Its weight: walls above 40 x 1 x 0.75 x 450 / 2 = 6750, floor (500 + 200 x 0.2) x 100
    // = 54000, walls below 40 x 4 x 0.75 x 450 / 2 = 27000, extra 123: 87873 kg.
    p().H1 = 16;
    p().form8.Check[1].value = 0;  // no infill walls
    p().form8.Check[2].value = 0;
    setStory(1, {100, 500, 200, 20, 40, 1, 25, 450, 123, 4});
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  void run() { RUN1(*s); }
  bool completed() const { return s->project.window(WindowId::Form13).visible; }
  const std::vector<std::string>& lines() { return p().form13.List1.lines(); }
  std::string cell(int row, int col) { return p().form13.MSFlexGrid1.text(row, col); }

  void setStory(int i, const Story& d)
  {
    p().AR[i] = d.AR;
    p().DL[i] = d.DL;
    p().LL[i] = d.LL;
    p().PERL[i] = d.PERL;
    p().PW[i] = d.PW;
    p().HW[i] = d.HW;
    p().PERW[i] = d.PERW;
    p().LW[i] = d.LW;
    p().LOD[i] = d.LOD;
    p().HS[i] = d.HS;
    p().STORYSET[i] = true;
  }
  // n alike stories, the roof with a parapet.
  void alikeStories(int n)
  {
    p().N = n;
    for (int i = 1; i <= n; ++i) {
      setStory(i, {300, 600, 200, 20, 70, i == n ? 1.0 : 3.0, 30, 300, 0, 3.2});
    }
  }
  // Systems, their R and the smaller height limit, as the system dialog leaves them.
  void systems(double x, double Rx, double y, double Ry, double hmax)
  {
    p().SYSTEMx = x;
    p().Rx = Rx;
    p().SYSTEMy = y;
    p().Ry = Ry;
    p().Hmax = hmax;
  }
  void analyticalPeriod(double T)
  {
    p().form8.Check[4].value = 0;
    p().T = T;
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

// ---- A complete building, checked line by line and cell by cell ------------------------------

TEST_F(StaticRunTest, WorkedFiveStoryBuildingFillsEveryLineAndCell)
{
  // Site A = 0.35, I = 1, soil T0 0.1, TS 0.5, S 1.5. x: special steel moment frame (14, R 10)
  // without infill; y: concentric braces (10, R 6) with the infill box set, which braces ignore.
  // H1 = 17.5 m, analytical period 0.9 s.
  p().T0 = 0.1;
  p().TS = 0.5;
  p().S = 1.5;
  systems(14, 10, 10, 6, 50);
  p().form8.Check[1].value = 0;
  p().form8.Check[2].value = 1;
  analyticalPeriod(0.9);
  p().N = 5;
  p().H1 = 17.5;
  setStory(1, {200, 600, 200, 20, 60, 3.5, 30, 300, 1000, 4.0});
  setStory(2, {200, 600, 200, 20, 60, 3.5, 30, 300, 0, 3.5});
  setStory(3, {187.5, 555, 250, 40, 56, 3.5, 25, 280, 500, 3.5});
  setStory(4, {180, 550, 200, 100, 56, 3.0, 40, 250, 0, 3.5});
  setStory(5, {20, 400, 150, 0, 18, 0.8, 0, 200, 0, 3.0});

  run();
  ASSERT_TRUE(prompter.shown().empty());
  ASSERT_TRUE(completed());

  // By hand: 17.5^0.75 = 8.55731; TEx = 0.08 x 8.55731 = 0.68458, TEy = 0.05 x 8.55731 =
  // 0.42787. Tx = min(1.25 x 0.68458 = 0.85572, 0.9), Ty = min(0.53484, 0.9).
  // Bx = 2.5 (0.5 / 0.85572)^(2/3) = 1.74743, By = 2.5 (0.5 / 0.53484)^(2/3) = 2.39046.
  // Cx = 0.35 x 1.74743 / 10 = 0.061160, Cy = 0.35 x 2.39046 / 6 = 0.139443.
  const std::vector<std::string> expectedLines = {
      std::string(t::empiricalX) + "68، ثانيه",
      std::string(t::empiricalY) + "43، ثانيه",
      std::string(t::analyticalBelowOne) + "90، ثانيه",
      std::string(t::designX) + "86، ثانيه",
      std::string(t::designY) + "53، ثانيه",
      "Bx= 1.75(ضريب بازتاب ساختمان در جهت افقي)",
      "By= 2.39(ضريب بازتاب ساختمان در جهت عمودي)",
      "Cx=,061(ضريب زلزله در جهت افقي)",
      "Cy=,139(ضريب زلزله در جهت عمودي)",
      // WT = 705952.5; Vx = 705952.5 x 0.061 = 43063.1, Vy = 705952.5 x 0.139 = 98127.4.
      "برش  پايه  زلزله درجهت افقي بر حسب كيلوگرم= 43063",
      "برش  پايه زلزله در جهت قايم بر حسب كيلوگرم= 98127",
      // Ftx = 0.07 x 0.86 x 43063 = 2592.39; Ty < 0.7 gives no top force.
      "نيروي برشي شلاقي در بالاي سازه درجهت افقي بر حسب كيلوگرم= 2592",
      "نيروي برشي شلاقي در بالاي سازه درجهت عمودي بر حسب كيلوگرم= 0",
  };
  EXPECT_EQ(lines(), expectedLines);

  // Weights by hand (walls above / 2 + floor + walls below / 2 + extra):
  //  1: 22050 + 128000 + 25200 + 1000 = 176250 (the walls below with HS 4 and record 1's data)
  //  2: 22050 + 128000 + 22050        = 172100
  //  3: 20580 + 122812.5 + 22050 + 500 = 165942.5, shown 165942 (half to even)
  //  4: 12600 + 135000 + 20580         = 168180
  //  5: parapet 2880 in full + 8000 + 12600 = 23480
  // Sum of W h = 7006521.25. Fx(i) = (43063 - 2592.3926) W h / S, plus Ftx at the roof.
  // Diaphragms x: the lower bound 0.35 x 0.35 W binds on levels 1 to 4 (21590.6, 21082.25,
  // 20327.96, 20602.05); the roof keeps its own force 5085. Diaphragms y: no bound below the
  // roof (24498.65, 28511.87, 31911.69, 36781.81); the roof is capped at 0.7 x 0.35 x 23480 =
  // 5752.6.
  const std::vector<std::vector<std::string>> expectedRows = {
      {" 1", " 4", " 4", " 176250", " 4277", " 10371", " 21591", " 24499"},
      {" 2", " 3.5", " 7.5", " 172100", " 7831", " 18987", " 21082", " 28512"},
      {" 3", " 3.5", " 11", " 165942", " 11074", " 26852", " 20328", " 31912"},
      {" 4", " 3.5", " 14.5", " 168180", " 14795", " 35873", " 20602", " 36782"},
      {" 5", " 3", " 17.5", " 23480", " 5085", " 6044", " 5085", " 5753"},
  };
  const Grid& g = p().form13.MSFlexGrid1;
  ASSERT_EQ(g.rows(), 6);
  ASSERT_EQ(g.cols(), 8);
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(g.text(0, c), t::gridHeaders.at(static_cast<std::size_t>(c))) << "header " << c;
  }
  for (int r = 1; r <= 5; ++r) {
    for (int c = 0; c < 8; ++c) {
      EXPECT_EQ(g.text(r, c),
                expectedRows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)])
          << "row " << r << " column " << c;
    }
  }

  // The stored results are the rounded ones the list shows; weights are kept unrounded.
  EXPECT_DOUBLE_EQ(p().TEx, 0.68);
  EXPECT_DOUBLE_EQ(p().Ty, 0.53);
  EXPECT_DOUBLE_EQ(p().TA, 0.9);
  EXPECT_DOUBLE_EQ(p().Bx, 1.75);
  EXPECT_DOUBLE_EQ(p().Cy, 0.139);
  EXPECT_DOUBLE_EQ(p().WT, 705952.5);
  EXPECT_DOUBLE_EQ(p().StoryWeight[3], 165942.5);
  EXPECT_EQ(p().Vx, 43063);
  EXPECT_NEAR(p().Ftx, 0.07 * 0.86 * 43063, 1e-9);
  EXPECT_EQ(p().Fty, 0);
  EXPECT_EQ(p().LevelHeight[0], 0);
  EXPECT_DOUBLE_EQ(p().LevelHeight[4], 14.5);
  // The rounded level forces add up to one kilogram less than Vx; nothing corrects that.
  double sum = 0;
  for (int i = 1; i <= 5; ++i) {
    sum += p().ForceX[i];
  }
  EXPECT_EQ(sum, 43062);
  EXPECT_EQ(p().DiaphragmY[5], 5753);
}

TEST_F(StaticRunTest, GridHasItsWidthsAndOneFormatOnEveryCell)
{
  alikeStories(3);
  p().H1 = 9.6;
  run();
  ASSERT_TRUE(completed());
  const Grid& g = p().form13.MSFlexGrid1;
  const int widths[] = {kDefaultColWidthTwips, 1500, 1500, 1500, 2000, 2000, 3000, 3000};
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(g.colWidth(c), widths[c]) << "column " << c;
    for (int r = 0; r < g.rows(); ++r) {
      EXPECT_EQ(g.cellFormat(r, c), 3) << r << "," << c;
    }
  }
}

// ---- The code checks --------------------------------------------------------------------------

struct CheckCase {
  const char* what;
  std::function<void(StaticRunTest&, Project&)> setUp;
  int message;  // 0: the run completes
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
  *os << c.what;
}

class CodeChecks : public StaticRunTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CodeChecks, FirstFailingCheckSpeaksOrTheRunCompletes)
{
  // A result of an earlier run that a stopped run must leave alone.
  p().Vx = 777;
  p().T = 0.83;
  GetParam().setUp(*this, p());
  run();
  const int m = GetParam().message;
  if (m == 0) {
    EXPECT_TRUE(prompter.shown().empty()) << (prompter.shown().empty() ? "" : prompter.texts()[0]);
    EXPECT_TRUE(completed());
    EXPECT_NE(p().Vx, 777);
    return;
  }
  ASSERT_EQ(prompter.shown().size(), 1u);
  const auto& shown = prompter.shown()[0];
  EXPECT_EQ(shown.kind, test::ScriptedPrompter::Kind::Message);
  EXPECT_EQ(shown.text, t::stopMessages.at(static_cast<std::size_t>(m - 1)));
  EXPECT_EQ(shown.title, m <= 4 ? "errore box" : "VORN");
  EXPECT_FALSE(completed());
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().form1.Command[1].enabled);
  EXPECT_FALSE(p().form27.Check[5].enabled);
  EXPECT_EQ(p().Vx, 777);
  EXPECT_EQ(p().TA, 0.83);  // the copy of T is made before the checks
  EXPECT_EQ(p().form13.List1.count(), 0);
}

// The base building: braces (10) both ways, one story, H1 16 m, Hmax 50, A 0.35, I 1.
INSTANTIATE_TEST_SUITE_P(AllTen, CodeChecks,
                         ::testing::Values(
                             CheckCase{"steel x, concrete y",
                                       [](auto& f, Project&) { f.systems(9, 7, 11, 10, 50); }, 1},
                             CheckCase{"code 19 counts as steel",
                                       [](auto& f, Project&) { f.systems(19, 8, 12, 7, 50); }, 1},
                             CheckCase{"concrete x, steel y",
                                       [](auto& f, Project&) { f.systems(12, 7, 10, 6, 50); }, 2},
                             CheckCase{"code 17 is neither steel nor concrete",
                                       [](auto& f, Project&) { f.systems(17, 11, 9, 7, 50); }, 0},
                             CheckCase{"code 17 against concrete",
                                       [](auto& f, Project&) { f.systems(12, 7, 17, 11, 50); }, 0},
                             CheckCase{"16 stories need tall systems",
                                       [](auto& f, Project&) {
                                         f.systems(12, 7, 12, 7, 50);
                                         f.alikeStories(16);
                                       },
                                       3},
                             CheckCase{"15 stories and 50 m pass",
                                       [](auto& f, Project& p) {
                                         f.systems(12, 7, 12, 7, 50);
                                         f.alikeStories(15);
                                         p.H1 = 50;
                                       },
                                       0},
                             CheckCase{"16 stories on special RC frames pass",
                                       [](auto& f, Project& p) {
                                         f.systems(11, 10, 11, 10, 150);
                                         f.alikeStories(16);
                                         p.H1 = 51.2;
                                       },
                                       0},
                             CheckCase{
                                 "taller than 50 m needs tall systems, before the height limit",
                                 [](auto&, Project& p) { p.H1 = 50.5; }, 3},
                             CheckCase{"higher than the limit",
                                       [](auto&, Project& p) { p.Hmax = 15.9; }, 4},
                             CheckCase{"as high as the limit",
                                       [](auto&, Project& p) { p.Hmax = 16; }, 0},
                             CheckCase{
                                 "ordinary steel frame 18.5 m high meets its 18 m limit first",
                                 [](auto& f, Project& p) {
                                   f.systems(16, 5, 10, 6, 18);
                                   p.H1 = 18.5;
                                 },
                                 4},
                             CheckCase{"ordinary RC frame, importance 1.2",
                                       [](auto& f, Project& p) {
                                         f.systems(13, 4, 13, 4, 15);
                                         p.H1 = 12;
                                         p.i = 1.2;
                                       },
                                       5},
                             CheckCase{"ordinary RC frame in y, importance 1.4",
                                       [](auto& f, Project& p) {
                                         f.systems(17, 11, 13, 4, 15);
                                         p.H1 = 12;
                                         p.i = 1.4;
                                       },
                                       5},
                             CheckCase{"ordinary RC frame, importance 1, A 0.25",
                                       [](auto& f, Project& p) {
                                         f.systems(13, 4, 13, 4, 15);
                                         p.H1 = 12;
                                         p.a = 0.25;
                                       },
                                       0},
                             CheckCase{"importance 1.2 without code 13",
                                       [](auto&, Project& p) { p.i = 1.2; }, 0},
                             CheckCase{"importance 1.4 at A 0.35 on braces",
                                       [](auto&, Project& p) { p.i = 1.4; }, 6},
                             CheckCase{"importance 1.4 at A 0.35, special only in x",
                                       [](auto& f, Project& p) {
                                         f.systems(14, 10, 10, 6, 50);
                                         p.i = 1.4;
                                       },
                                       6},
                             CheckCase{"importance 1.4 at A 0.35, special both ways",
                                       [](auto& f, Project& p) {
                                         f.systems(14, 10, 20, 10, 150);
                                         p.i = 1.4;
                                       },
                                       0},
                             CheckCase{"importance 1.4 at A 0.3 on braces",
                                       [](auto&, Project& p) {
                                         p.i = 1.4;
                                         p.a = 0.3;
                                       },
                                       0},
                             CheckCase{"ordinary RC frame at A 0.3",
                                       [](auto& f, Project& p) {
                                         f.systems(13, 4, 13, 4, 15);
                                         p.H1 = 12;
                                         p.a = 0.3;
                                       },
                                       7},
                             CheckCase{"ordinary steel frame on two stories",
                                       [](auto& f, Project& p) {
                                         f.systems(16, 5, 10, 6, 18);
                                         f.alikeStories(2);
                                         p.H1 = 6.4;
                                       },
                                       8},
                             CheckCase{"ordinary steel frame in y, importance 1.2",
                                       [](auto& f, Project& p) {
                                         f.systems(10, 6, 16, 5, 18);
                                         p.i = 1.2;
                                       },
                                       8},
                             CheckCase{"ordinary steel frame above 18 m under a larger limit",
                                       [](auto& f, Project& p) {
                                         f.systems(16, 5, 16, 5, 50);
                                         p.H1 = 18.5;
                                       },
                                       8},
                             CheckCase{"ordinary steel frame, one story, 18 m, importance 1",
                                       [](auto& f, Project& p) {
                                         f.systems(16, 5, 16, 5, 18);
                                         p.H1 = 18;
                                       },
                                       0},
                             CheckCase{"ordinary steel frame, importance 0.8",
                                       [](auto& f, Project& p) {
                                         f.systems(16, 5, 10, 6, 18);
                                         p.i = 0.8;
                                       },
                                       0}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Which systems belong to which group of the checks, probed for every code 1 to 23.
TEST_F(StaticRunTest, GroupsOfTheSystemsAreThoseOfTheCode)
{
  const std::set<int> steel = {9, 10, 14, 15, 16, 19, 20, 21, 22, 23};
  const std::set<int> concrete = {11, 12, 13, 18};
  const std::set<int> tallBuildings = {11, 14, 17, 18, 19, 20, 21, 22, 23};
  const std::set<int> special = {1, 5, 11, 14, 17, 20, 21};
  // The message a run gives with this code in one direction, "" when it completes.
  auto messageWith = [this](std::function<void(Project&)> setUp) {
    s = std::make_unique<Session>(prompter);
    prompter.clear();
    p().form8.Check[1].value = 0;
    p().form8.Check[2].value = 0;
    p().Hmax = 300;
    alikeStories(1);
    setUp(p());
    RUN1(*s);
    return prompter.shown().empty() ? std::string() : prompter.shown()[0].text;
  };
  for (int code = 1; code <= 23; ++code) {
    // Steel x against concrete y speaks first.
    EXPECT_EQ(messageWith([code](Project& p) {
                p.SYSTEMx = code;
                p.SYSTEMy = 12;
              }) == t::stopMessages[0],
              steel.count(code) == 1)
        << "steel " << code;
    EXPECT_EQ(messageWith([code](Project& p) {
                p.SYSTEMx = 9;
                p.SYSTEMy = code;
              }) == t::stopMessages[0],
              concrete.count(code) == 1)
        << "concrete " << code;
    // Check 3 comes before every check that could depend on the code alone.
    EXPECT_EQ(messageWith([this, code](Project& p) {
                alikeStories(16);
                p.H1 = 51.2;
                p.SYSTEMx = 17;
                p.SYSTEMy = code;
              }) == t::stopMessages[2],
              tallBuildings.count(code) == 0)
        << "tall " << code;
    // Very important buildings at A 0.35; code 13 is refused one check earlier.
    const std::string veryImportant = messageWith([code](Project& p) {
      p.i = 1.4;
      p.SYSTEMx = code;
      p.SYSTEMy = 17;
    });
    EXPECT_EQ(veryImportant == t::stopMessages[5], special.count(code) == 0 && code != 13)
        << "special " << code;
  }
}

// ---- The silent caps of R for bearing-wall systems ---------------------------------------------

TEST_F(StaticRunTest, BearingWallsInXCapRyBeforeTheCoefficientIsComputed)
{
  systems(3, 4, 10, 7, 30);
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().Ry, 4);
  EXPECT_EQ(p().Rx, 4);
  // y: TE 0.4, B 2.5, C = 0.35 x 2.5 / 4 = 0.21875 (with R 7 it would be 0.125).
  EXPECT_DOUBLE_EQ(p().Cy, 0.219);
}

TEST_F(StaticRunTest, BearingWallsInYCapRx)
{
  systems(10, 6, 4, 4, 15);
  p().H1 = 15;
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().Rx, 4);
  EXPECT_EQ(p().Ry, 4);
}

TEST_F(StaticRunTest, CapBeforeCheckSixStaysWhenCheckSixStops)
{
  systems(3, 4, 10, 7, 30);
  p().i = 1.4;
  run();
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{t::stopMessages[5]});
  EXPECT_EQ(p().Ry, 4);
}

TEST_F(StaticRunTest, CapAfterCheckSixIsNotReachedWhenCheckSixStops)
{
  systems(10, 6, 4, 4, 15);
  p().H1 = 15;
  p().i = 1.4;
  run();
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{t::stopMessages[5]});
  EXPECT_EQ(p().Rx, 6);
}

TEST_F(StaticRunTest, CapAfterCheckSixStaysWhenCheckEightStops)
{
  systems(16, 5, 4, 4, 15);
  alikeStories(2);
  p().H1 = 6.4;
  run();
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{t::stopMessages[7]});
  EXPECT_EQ(p().Rx, 4);
}

// ---- Periods, B and C -------------------------------------------------------------------------

struct PeriodCase {
  double code, R;
  int infillX, infillY;
  double TEx, TEy;
};

void PrintTo(const PeriodCase& c, std::ostream* os)
{
  *os << "code " << c.code << " infill " << c.infillX << c.infillY;
}

class EmpiricalPeriods : public StaticRunTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(EmpiricalPeriods, FollowTheSystemAndTheInfillOfEachDirection)
{
  const PeriodCase& c = GetParam();
  systems(c.code, c.R, c.code, c.R, 50);
  p().a = 0.25;  // lets the ordinary RC frame pass
  p().form8.Check[1].value = c.infillX;
  p().form8.Check[2].value = c.infillY;
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().TEx, c.TEx);
  EXPECT_DOUBLE_EQ(p().TEy, c.TEy);
  EXPECT_DOUBLE_EQ(p().Tx, c.TEx);  // the empirical flag is set
}

// H1 = 16, H1^0.75 = 8: steel frames 0.64 (x 0.8 with infill: 0.512), RC frames 0.56 (0.448),
// every other system 0.4 whatever the infill box says.
INSTANTIATE_TEST_SUITE_P(
    AllKinds, EmpiricalPeriods,
    ::testing::Values(PeriodCase{14, 10, 1, 0, 0.51, 0.64}, PeriodCase{15, 7, 0, 1, 0.64, 0.51},
                      PeriodCase{16, 5, 1, 1, 0.51, 0.51}, PeriodCase{11, 10, 1, 0, 0.45, 0.56},
                      PeriodCase{13, 4, 0, 1, 0.56, 0.45}, PeriodCase{10, 6, 1, 1, 0.4, 0.4},
                      PeriodCase{17, 11, 1, 1, 0.4, 0.4}));

TEST_F(StaticRunTest, SteelFrameWithInfillAt16MetresShowsItsPeriodInHundredths)
{
  systems(14, 10, 10, 6, 50);
  p().form8.Check[1].value = 1;
  run();
  ASSERT_TRUE(completed());
  // 0.08 x 16^0.75 x 0.8 = 0.512.
  EXPECT_EQ(lines()[0], std::string(t::empiricalX) + "51، ثانيه");
  EXPECT_EQ(lines()[1], std::string(t::empiricalY) + "40، ثانيه");
  // With the empirical flag the analytical line is left out: the design periods follow.
  EXPECT_EQ(lines()[2], std::string(t::designX) + "51، ثانيه");
}

struct DesignCase {
  double T;
  double Td;  // rounded
  double B;   // rounded
  double C;
  double V;
};

void PrintTo(const DesignCase& c, std::ostream* os)
{
  *os << "T " << c.T;
}

class DesignPeriods : public StaticRunTest, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(DesignPeriods, TakeTheSmallerOfTheScaledEmpiricalAndTheAnalyticalPeriod)
{
  const DesignCase& c = GetParam();
  analyticalPeriod(c.T);  // braces, TE = 0.4, 1.25 TE = 0.5; soil T0 0.1, TS 0.4, S 1.5
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Tx, c.Td);
  EXPECT_DOUBLE_EQ(p().Ty, c.Td);
  EXPECT_DOUBLE_EQ(p().Bx, c.B);
  EXPECT_DOUBLE_EQ(p().Cx, c.C);
  EXPECT_EQ(p().Vx, c.V);  // 87873 kg x C
  EXPECT_EQ(p().ForceX[1], c.V);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, DesignPeriods,
    ::testing::Values(
        // 0.5 >= TS: B = 2.5 (0.4 / 0.5)^(2/3) = 2.15443, C = 0.35 x 2.15443 / 6 = 0.12568.
        DesignCase{0.9, 0.5, 2.15, 0.126, 11072},
        // Td = TA = TS: the descending branch gives the plateau, C = 0.35 x 2.5 / 6 = 0.14583.
        DesignCase{0.4, 0.4, 2.5, 0.146, 12829},
        // Between T0 and TS: the plateau.
        DesignCase{0.25, 0.25, 2.5, 0.146, 12829},
        // Td = T0: the plateau.
        DesignCase{0.1, 0.1, 2.5, 0.146, 12829},
        // Below T0: B = 1 + 1.5 x 0.05 / 0.1 = 1.75, C = 0.35 x 1.75 / 6 = 0.10208.
        DesignCase{0.05, 0.05, 1.75, 0.102, 8963}));

TEST_F(StaticRunTest, HalfHundredthPeriodsRoundToTheEvenNeighbour)
{
  // RC intermediate frames: 1.25 TE = 0.7, so T = 0.625 (exact in binary) governs: 0.62.
  systems(12, 7, 12, 7, 50);
  analyticalPeriod(0.625);
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Tx, 0.62);
  EXPECT_DOUBLE_EQ(p().TA, 0.62);
  EXPECT_EQ(lines()[2], std::string(t::analyticalBelowOne) + "62، ثانيه");
  // B from the unrounded period: 2.5 (0.4 / 0.625)^(2/3) = 1.85664 (from 0.62: 1.86660, 1.87).
  EXPECT_DOUBLE_EQ(p().Bx, 1.86);
}

TEST_F(StaticRunTest, PeriodsOfOneSecondOrMoreAreWrittenWithoutTheComma)
{
  // Special RC frames 256 m high: TE = 0.07 x 64 = 4.48, 1.25 TE = 5.6; T = 1 governs.
  systems(11, 10, 11, 10, 256);
  p().H1 = 256;
  analyticalPeriod(1);
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(lines()[0], std::string(t::empiricalX) + " 4.48ثانيه");
  EXPECT_EQ(lines()[2], std::string(t::analyticalAtLeastOne) + " 1ثانيه");
  EXPECT_EQ(lines()[3], std::string(t::designX) + " 1ثانيه");
  EXPECT_EQ(lines()[4], std::string(t::designY) + " 1ثانيه");
}

TEST(PeriodText, WritesHundredthsBelowOneSecondAndTheNumberFromOneSecondOn)
{
  EXPECT_EQ(periodText(0.35), "35، ثانيه");
  EXPECT_EQ(periodText(0.08), "08، ثانيه");
  EXPECT_EQ(periodText(0.5), "50، ثانيه");
  EXPECT_EQ(periodText(0), "00، ثانيه");
  EXPECT_EQ(periodText(0.99), "99، ثانيه");
  EXPECT_EQ(periodText(1), " 1ثانيه");
  EXPECT_EQ(periodText(1.25), " 1.25ثانيه");
}

TEST(CoefficientText, WritesACommaAndThreeDigitsOfThousandths)
{
  EXPECT_EQ(coefficientText(0.105), ",105");
  EXPECT_EQ(coefficientText(0.042), ",042");
  EXPECT_EQ(coefficientText(0.1), ",100");
  EXPECT_EQ(coefficientText(0.007), ",007");
  EXPECT_EQ(coefficientText(0), ",000");
  // No dialog value gives a coefficient of 1; a hand-edited file is shown in full, not as ",1250".
  EXPECT_EQ(coefficientText(1.25), " 1.25");
}

TEST_F(StaticRunTest, SmallRatioOfBToRTakesTheFloorAndTheXLineOnly)
{
  // TE = 4.48, B = 2.5 (0.4 / 4.48)^(2/3) = 0.49941: B / R = 0.05 in both directions, so both
  // coefficients are 0.1 x 0.35 x 1; the list adds the floor line for x only.
  systems(11, 10, 11, 10, 256);
  p().H1 = 256;
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Bx, 0.5);
  EXPECT_DOUBLE_EQ(p().Cx, 0.035);
  EXPECT_DOUBLE_EQ(p().Cy, 0.035);
  ASSERT_GE(lines().size(), 9u);
  EXPECT_EQ(lines()[5], "By= .5(ضريب بازتاب ساختمان در جهت عمودي)");
  EXPECT_EQ(lines()[6], t::xFloor);
  EXPECT_EQ(lines()[7], "Cx=,035(ضريب زلزله در جهت افقي)");
  EXPECT_EQ(lines()[8], "Cy=,035(ضريب زلزله در جهت عمودي)");
}

TEST_F(StaticRunTest, RatioOfExactlyOneTenthTakesTheFloorValue)
{
  // Plateau B = 2.5 with R = 25: B / R is 0.1, not above it, so C = 0.1 A I = 0.035; the rounded
  // ratio is one tenth too, not below it: no floor line.
  systems(10, 25, 10, 25, 50);
  analyticalPeriod(0.3);
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Cx, 0.035);
  EXPECT_DOUBLE_EQ(p().Cy, 0.035);
  EXPECT_EQ(lines().size(), 13u);
}

TEST_F(StaticRunTest, FloorLineUsesTheRoundedBx)
{
  // Td = 3.37: B = 2.5 (0.4 / 3.37)^(2/3) = 0.60380, rounded 0.6. With R = 6.03 the unrounded
  // ratio 0.10013 is above one tenth, the rounded one 0.0995 below it: the x line appears, and
  // y (same numbers) has none.
  systems(11, 6.03, 11, 6.03, 256);
  p().H1 = 256;
  analyticalPeriod(3.37);
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Bx, 0.6);
  EXPECT_EQ(std::count(lines().begin(), lines().end(), std::string(t::xFloor)), 1);
  EXPECT_EQ(lines()[7], t::xFloor);
}

TEST_F(StaticRunTest, RoundedRatioEqualToOneTenthIsNotBelowIt)
{
  // Rounded Bx 0.6 over Rx 6 is one tenth, although binary division makes it a hair less.
  systems(11, 6, 11, 6, 256);
  p().H1 = 256;
  analyticalPeriod(3.37);
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Bx, 0.6);
  EXPECT_EQ(std::count(lines().begin(), lines().end(), std::string(t::xFloor)), 0);
  // C = 0.35 x 0.60380 / 6 = 0.035222.
  EXPECT_DOUBLE_EQ(p().Cx, 0.035);
}

// ---- Weights and forces -----------------------------------------------------------------------

TEST_F(StaticRunTest, OneStoryTakesHalfItsParapetHalfItsWallsBelowAndTheWholeShear)
{
  // RC intermediate frames, T = 0.9: Td = 1.25 x 0.56 = 0.7 exactly, so the top force is
  // 0.07 x 0.7 x V = 0.049 V. B = 2.5 (0.4 / 0.7)^(2/3) = 1.72153, C = 0.35 x 1.72153 / 7 =
  // 0.08608, V = 87873 x 0.086 = 7557.08.
  systems(12, 7, 12, 7, 50);
  analyticalPeriod(0.9);
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Tx, 0.7);
  EXPECT_EQ(p().StoryWeight[1], 87873);
  EXPECT_EQ(p().LevelHeight[1], 4);
  EXPECT_EQ(p().Vx, 7557);
  EXPECT_NEAR(p().Ftx, 0.049 * 7557, 1e-9);
  EXPECT_EQ(p().ForceX[1], 7557);
  EXPECT_EQ(p().ForceY[1], 7557);
  EXPECT_EQ(lines()[11], std::string(t::topForceX) + " 370");
  // The only level's diaphragm: 7557 lies between 0.1225 W = 10764.4 and 0.245 W: raised.
  EXPECT_EQ(p().DiaphragmX[1], 10764);
}

TEST_F(StaticRunTest, PeriodJustBelowSevenTenthsGivesNoTopForce)
{
  systems(12, 7, 12, 7, 50);
  analyticalPeriod(0.69);
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Tx, 0.69);
  EXPECT_EQ(p().Ftx, 0);
  EXPECT_EQ(lines()[11], std::string(t::topForceX) + " 0");
}

TEST_F(StaticRunTest, LongPeriodCapsTheTopForceAtAQuarterOfTheShear)
{
  // Tx = 4.48 > 0.25 / 0.07; V = 87873 x 0.035 = 3075.6 -> 3076, Ft = 769 (not 964.6).
  systems(11, 10, 11, 10, 256);
  p().H1 = 256;
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().Vx, 3076);
  EXPECT_EQ(p().Ftx, 769);
  EXPECT_EQ(p().ForceX[1], 3076);
}

TEST_F(StaticRunTest, HalfKilogramForcesRoundToTheEvenNeighbour)
{
  // Two levels 3 m apart with floors only: W1 = 206 x 500 = 103000, W2 = 103 x 500 = 51500, so
  // W1 h1 = W2 h2 and each level takes half of V = 154500 x 0.146 = 22557: 11278.5 -> 11278.
  p().N = 2;
  p().H1 = 6;
  setStory(1, {206, 500, 0, 0, 0, 0, 0, 0, 0, 3});
  setStory(2, {103, 500, 0, 0, 0, 0, 0, 0, 0, 3});
  run();
  ASSERT_TRUE(completed());
  EXPECT_DOUBLE_EQ(p().Cx, 0.146);
  EXPECT_EQ(p().Vx, 22557);
  EXPECT_EQ(p().ForceX[1], 11278);
  EXPECT_EQ(p().ForceX[2], 11278);
  EXPECT_EQ(p().ForceY[2], 11278);
  // Level 1: 103000 x 22556 / 154500 = 15037.3, inside 0.1225 W = 12617.5 and 0.245 W.
  EXPECT_EQ(p().DiaphragmX[1], 15037);
  EXPECT_EQ(p().DiaphragmX[2], 11278);
}

TEST_F(StaticRunTest, HalfKilogramShearsAndDiaphragmForcesRoundToTheEvenNeighbour)
{
  // A 250 kg level: V = 250 x 0.146 = 36.5 -> 36.
  setStory(1, {0, 0, 0, 0, 0, 0, 0, 0, 250, 4});
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().Vx, 36);

  // Two levels of 50002 kg 3 m apart: V = 100004 x 0.146 = 14600.6 -> 14601, forces 4867 and
  // 9734; level 1's diaphragm 50002 x 14601 / 100004 = 7300.5 -> 7300.
  s->form13.OK_Click();
  p().N = 2;
  p().H1 = 6;
  setStory(1, {0, 0, 0, 0, 0, 0, 0, 0, 50002, 3});
  setStory(2, {0, 0, 0, 0, 0, 0, 0, 0, 50002, 3});
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().Vx, 14601);
  EXPECT_EQ(p().ForceX[1], 4867);
  EXPECT_EQ(p().ForceX[2], 9734);
  EXPECT_EQ(p().DiaphragmX[1], 7300);
  EXPECT_EQ(p().DiaphragmY[1], 7300);
}

TEST_F(StaticRunTest, LivePercentageAndOpeningsEnterTheWeight)
{
  struct Case {
    double PERL, PERW, weight;
  };
  // Floor 500 x 100 plus PERL % of 200 x 100; walls 40 x (1 + 4) / 2 x 450 x (1 - PERW %); 123.
  for (const Case& c : {Case{0, 25, 50000 + 33750 + 123}, Case{100, 25, 70000 + 33750 + 123},
                        Case{20, 100, 54000 + 123}}) {
    p().PERL[1] = c.PERL;
    p().PERW[1] = c.PERW;
    run();
    ASSERT_TRUE(completed());
    EXPECT_EQ(p().StoryWeight[1], c.weight) << "PERL " << c.PERL << " PERW " << c.PERW;
  }
}

TEST_F(StaticRunTest, FirstMiddleAndTopLevelsCarryTheirShareOfTheWalls)
{
  p().N = 3;
  p().H1 = 9;
  // Wall weight per metre of height: record 1: 10 x 100 = 1000, record 2: 20 x 100 = 2000,
  // record 3: 30 x 100 = 3000 (no openings); no floors.
  setStory(1, {0, 0, 0, 0, 10, 3, 0, 100, 0, 4});
  setStory(2, {0, 0, 0, 0, 20, 2.5, 0, 100, 0, 3});
  setStory(3, {0, 0, 0, 0, 30, 1, 0, 100, 7, 2});
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().StoryWeight[1], 3000 / 2 + 4000 / 2);  // record 1 above and below
  EXPECT_EQ(p().StoryWeight[2], 5000 / 2 + 3000 / 2);  // its own walls and those of level 1
  EXPECT_EQ(p().StoryWeight[3], 3000 + 5000 / 2 + 7);  // parapet in full, half of level 2's
  EXPECT_EQ(p().LevelHeight[3], 9);
  EXPECT_EQ(cell(3, 2), " 9");
}

TEST_F(StaticRunTest, RefillingForFewerStoriesLeavesNoEarlierRow)
{
  alikeStories(4);
  p().H1 = 12.8;
  run();
  ASSERT_EQ(p().form13.MSFlexGrid1.rows(), 5);
  const double fourthWeight = p().StoryWeight[4];
  s->form13.OK_Click();
  p().N = 1;
  p().H1 = 3.2;
  run();
  ASSERT_TRUE(completed());
  EXPECT_EQ(p().form13.MSFlexGrid1.rows(), 2);
  EXPECT_EQ(lines().size(), 12u);
  EXPECT_EQ(p().StoryWeight[4], fourthWeight);  // beyond N: left as the earlier run left it
}

// ---- End of the run and the results window ---------------------------------------------------

TEST_F(StaticRunTest, CompletedRunOpensTheResultsAndLocksTheInputs)
{
  p().form1.Check11.value = 1;
  test::clickMainCommand(*s, 9);
  ASSERT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(p().window(WindowId::Form13).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_FALSE(p().form1.Command[k].enabled) << k;
  }
  for (int k : {13, 15, 16}) {
    EXPECT_TRUE(p().form1.Command[k].enabled) << k;
  }
  EXPECT_FALSE(p().form1.Command[10].enabled);
  EXPECT_TRUE(p().form1.Check11.enabled);
  EXPECT_EQ(p().form1.Check11.value, 0);
  EXPECT_TRUE(p().form27.Check[5].enabled);
  EXPECT_EQ(p().form27.Check[5].value, 0);

  s->form13.OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form13).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
  EXPECT_TRUE(p().form1.Command[10].enabled);
}

TEST_F(StaticRunTest, StoppedRunLeavesTheEarlierRunInPlace)
{
  run();
  ASSERT_TRUE(completed());
  s->form13.OK_Click();
  const auto before = std::make_unique<Project>(p());
  p().i = 1.4;  // braces are not special: check 6 stops
  run();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_FALSE(completed());
  EXPECT_EQ(p().form13.List1, before->form13.List1);
  EXPECT_EQ(p().form13.MSFlexGrid1, before->form13.MSFlexGrid1);
  EXPECT_EQ(p().Vx, before->Vx);
  EXPECT_EQ(p().ForceX, before->ForceX);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
}

// ---- Numbers that give no result --------------------------------------------------------------

struct FaultCase {
  const char* what;
  std::function<void(Project&)> setUp;
  bool zeroSum;  // else: invalid values
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
  *os << c.what;
}

class NumericFaults : public StaticRunTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(NumericFaults, StopWithAMessageAndStoreNothing)
{
  // An earlier complete run of two stories is on display and stored.
  alikeStories(2);
  p().H1 = 6.4;
  run();
  ASSERT_TRUE(completed());
  s->form13.OK_Click();
  for (int k = 1; k <= 6; ++k) {
    p().form1.Command[k].enabled = true;  // as after the reset check box
  }
  p().form27.Check[5].enabled = false;
  p().T = 0.77;
  GetParam().setUp(p());
  const auto before = std::make_unique<Project>(p());

  run();

  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text,
            GetParam().zeroSum ? t::zeroSumMessage : t::invalidDataMessage);
  EXPECT_EQ(prompter.shown()[0].title, "errore box");
  const Project& a = p();
  const Project& b = *before;
  EXPECT_EQ(a.windows, b.windows);
  EXPECT_EQ(a.form1.Command, b.form1.Command);
  EXPECT_EQ(a.form1.Check11, b.form1.Check11);
  EXPECT_EQ(a.form27.Check, b.form27.Check);
  EXPECT_EQ(a.form13.List1, b.form13.List1);
  EXPECT_EQ(a.form13.MSFlexGrid1, b.form13.MSFlexGrid1);
  for (double Project::*field :
       {&Project::TEx, &Project::TEy, &Project::Tx, &Project::Ty, &Project::TA, &Project::Bx,
        &Project::By, &Project::Cx, &Project::Cy, &Project::Vx, &Project::Vy, &Project::WT,
        &Project::Ftx, &Project::Fty}) {
    EXPECT_EQ(a.*field, b.*field);
  }
  EXPECT_EQ(a.StoryWeight, b.StoryWeight);
  EXPECT_EQ(a.LevelHeight, b.LevelHeight);
  EXPECT_EQ(a.ForceX, b.ForceX);
  EXPECT_EQ(a.ForceY, b.ForceY);
  EXPECT_EQ(a.DiaphragmX, b.DiaphragmX);
  EXPECT_EQ(a.DiaphragmY, b.DiaphragmY);
}

INSTANTIATE_TEST_SUITE_P(
    HandEditedFiles, NumericFaults,
    ::testing::Values(FaultCase{"no story heights",
                                [](Project& p) {
                                  p.HS[1] = 0;
                                  p.HS[2] = 0;
                                },
                                true},
                      FaultCase{"a roof that weighs nothing",
                                [](Project& p) {
                                  p.PW[1] = 0;
                                  p.AR[2] = 0;
                                  p.PW[2] = 0;
                                },
                                true},
                      FaultCase{"zero behaviour factor", [](Project& p) { p.Rx = 0; }, false},
                      FaultCase{"negative height", [](Project& p) { p.H1 = -3; }, false},
                      FaultCase{"no stories", [](Project& p) { p.N = 0; }, false},
                      FaultCase{"more stories than the tables hold",
                                [](Project& p) {
                                  p.N = 201;
                                  p.SYSTEMx = p.SYSTEMy = 11;
                                  p.Rx = p.Ry = 10;
                                  p.Hmax = 150;
                                },
                                false},
                      FaultCase{"a fraction of a story", [](Project& p) { p.N = 1.5; }, false}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(StaticRunTest, NumericFaultKeepsTheCapOfR)
{
  systems(3, 4, 10, 7, 30);
  p().HS[1] = 0;
  run();
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{t::zeroSumMessage});
  EXPECT_EQ(p().Ry, 4);
}

}  // namespace
}  // namespace vorn
