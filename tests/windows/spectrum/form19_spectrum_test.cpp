#include "windows/spectrum/form19_spectrum.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/common/run_messages.h"
#include "windows/spectrum/form20_spectrum.h"

namespace vorn {
namespace {

namespace t19 = form19_texts;

class Spectrum : public ::testing::Test {
protected:
  // A = 0.35, I = 1, soil type 1 (T0 0.1 s, TS 0.4 s, S 1.5), R = 7 in x and 11 in y; the dialog
  // opened from the main window.
  void SetUp() override
  {
    p().a = 0.35;
    p().i = 1;
    p().T0 = 0.1;
    p().TS = 0.4;
    p().S = 1.5;
    p().Rx = 7;
    p().Ry = 11;
    test::clickMainCommand(*s, 14);
  }

  // Types the two values and presses OK.
  void run(const char* tmax, const char* tstep)
  {
    p().form19.Text[1].text = tmax;
    p().form19.Text[2].text = tstep;
    s->form19.OK_Click();
  }
  const Grid& grid() { return p().form20.MSFlexGrid1; }
  std::vector<std::string> column(int c)
  {
    std::vector<std::string> texts;
    for (int r = 1; r < grid().rows(); ++r) {
      texts.push_back(grid().text(r, c));
    }
    return texts;
  }
  // The cell of a column in the row whose period is shown as `period`.
  std::string at(const std::string& period, int c)
  {
    for (int r = 1; r < grid().rows(); ++r) {
      if (grid().text(r, 0) == period) {
        return grid().text(r, c);
      }
    }
    ADD_FAILURE() << "no row for period " << period;
    return {};
  }

  Project& p() { return s->project; }
  bool shown(WindowId id) { return p().window(id).visible; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

struct RowCase {
  const char* tmax;
  const char* tstep;
  std::vector<std::string> periods;
};

TEST_F(Spectrum, RowCountIsTheRoundedStepCountAndPeriodsStopAtTheMaximum)
{
  const RowCase cases[] = {
      {"1", "0.3", {" 0", " .3", " .6", " .9"}},  // 3.33 steps: 3
      {"1", "0.4", {" 0", " .4", " .8"}},         // 2.5 steps: the even 2
      {"1", "0.6", {" 0", " .6", " 1"}},          // 1.67 steps: 2, and 1.2 s is shown as 1
      {"0.5", "0.5", {" 0", " .5"}},              // the maximum equals the step
      {"1", "0.1", {" 0", " .1", " .2", " .3", " .4", " .5", " .6", " .7", " .8", " .9", " 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "TMAX " << c.tmax << " TSTEP " << c.tstep);
    RUN4(*s);
    run(c.tmax, c.tstep);
    ASSERT_FALSE(s->form19.errore);
    EXPECT_EQ(grid().rows(), static_cast<int>(c.periods.size()) + 1);
    EXPECT_EQ(p().form19.rowCount, grid().rows());
    EXPECT_EQ(column(0), c.periods);
  }
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Spectrum, CoefficientsOfBothDirections)
{
  run("3", "0.1");
  ASSERT_EQ(grid().rows(), 32);
  struct {
    const char* period;
    const char* x;  // R = 7
    const char* y;  // R = 11
  } const rows[] = {
      // B = 1: 0.35 / 7; y: 1 / 11 is below 0.1, so the floor 0.1 A I = 0.035
      {" 0", " .05", " .035"},
      // the rising branch reaches S + 1 at T0; the plateau lasts up to TS itself
      {" .1", " .125", " .0795"},
      {" .3", " .125", " .0795"},
      {" .4", " .125", " .0795"},
      // descending: 2.5 (0.4 / 0.50001)^(2/3); y would be .0686 without the 0.00001 s
      {" .5", " .1077", " .0685"},
      {" 1.3", " .057", " .0363"},
      // y has reached its floor, x has not
      {" 1.4", " .0542", " .035"},
      {" 2.6", " .0359", " .035"},
      {" 2.7", " .035", " .035"},
      {" 3", " .035", " .035"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(at(r.period, 1), r.x) << "T " << r.period;
    EXPECT_EQ(at(r.period, 2), r.y) << "T " << r.period;
  }
}

TEST_F(Spectrum, APeriodEqualToTSIsStillOnThePlateau)
{
  // A = 1, I = 1.4, R = 1: the plateau 3.5 would read 3.4999 on the descending branch.
  p().a = 1;
  p().i = 1.4;
  p().Rx = 1;
  run("0.4", "0.4");
  EXPECT_EQ(column(0), (std::vector<std::string>{" 0", " .4"}));
  EXPECT_EQ(column(1), (std::vector<std::string>{" 1.4", " 3.5"}));
}

TEST_F(Spectrum, GridLayoutAndRefill)
{
  run("1", "0.1");
  ASSERT_EQ(grid().cols(), 3);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(grid().text(0, c), form20_texts::headings[c]);
    for (int r = 0; r < grid().rows(); ++r) {
      EXPECT_EQ(grid().cellFormat(r, c), grid().cellFormat(0, 0)) << r << "," << c;
    }
  }
  EXPECT_EQ(grid().colWidth(0), 1500);
  EXPECT_EQ(grid().colWidth(1), 3500);
  EXPECT_EQ(grid().colWidth(2), 3500);

  RUN4(*s);
  run("0.5", "0.5");
  EXPECT_EQ(grid().rows(), 3);
  EXPECT_EQ(column(0), (std::vector<std::string>{" 0", " .5"}));
  EXPECT_EQ(column(1), (std::vector<std::string>{" .05", " .1077"}));
}

TEST_F(Spectrum, ValidTableReplacesTheDialogAndOffersTheReportTable)
{
  ASSERT_FALSE(p().form27.Check[8].enabled);
  run("1", "0.5");
  EXPECT_FALSE(s->form19.errore);
  EXPECT_FALSE(shown(WindowId::Form19));
  EXPECT_TRUE(shown(WindowId::Form20));
  EXPECT_FALSE(p().window(WindowId::form1).enabled) << "the main window waits for the table";
  EXPECT_TRUE(p().form27.Check[8].enabled);
  EXPECT_DOUBLE_EQ(p().TMAX, 1);
  EXPECT_DOUBLE_EQ(p().TSTEP, 0.5);

  s->form20.OK_Click();
  EXPECT_FALSE(shown(WindowId::Form20));
  EXPECT_TRUE(shown(WindowId::form1));
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
}

struct RefusalCase {
  const char* tmax;
  const char* tstep;
  const char* message;
  const char* focus;
  double TMAX;
  double TSTEP;
};

TEST_F(Spectrum, RefusedValuesAreStoredButBuildNoTable)
{
  const RefusalCase cases[] = {
      {"0", "0.1", t19::tmaxNotPositive, "Text1", 0, 0.1},
      {"-1", "0", t19::tmaxNotPositive, "Text1", -1, 0},  // only the first failing check speaks
      {"abc", "x", t19::tmaxNotPositive, "Text1", 0, 0},  // text without a number reads as 0
      {"10", "0", t19::tstepNotPositive, "Text2", 10, 0},
      {"1", "-0.2", t19::tstepNotPositive, "Text2", 1, -0.2},
      {"1", "2", t19::stepAboveMaximum, "Text2", 1, 2},
      {"100", "0.001", t19::tooManyRows, "Text2", 100, 0.001},  // 100 000 periods
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "TMAX " << c.tmax << " TSTEP " << c.tstep);
    prompter.clear();
    run(c.tmax, c.tstep);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, c.message);
    EXPECT_EQ(prompter.shown()[0].title, "VORN");
    EXPECT_EQ(p().window(WindowId::Form19).focus, c.focus);
    EXPECT_TRUE(s->form19.errore);
    EXPECT_DOUBLE_EQ(p().TMAX, c.TMAX);
    EXPECT_DOUBLE_EQ(p().TSTEP, c.TSTEP);
    EXPECT_TRUE(shown(WindowId::Form19));
    EXPECT_FALSE(shown(WindowId::Form20));
    EXPECT_FALSE(p().form27.Check[8].enabled);
  }
}

TEST_F(Spectrum, LargestTableIsAccepted)
{
  run("3276.5", "0.1");  // 32 765 steps: 32 767 rows with the header
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(grid().rows(), 32767);
  EXPECT_EQ(grid().text(32766, 0), " 3276.5");
}

// A site value far beyond any building (a hand-edited project file) overflows the coefficients:
// no table is built, the message for invalid data is shown and the dialog stays open.
TEST_F(Spectrum, CoefficientsBeyondADoubleBuildNoTable)
{
  run("1", "0.5");
  s->form20.OK_Click();
  const Grid before = grid();
  test::clickMainCommand(*s, 14);
  p().S = 1e308;  // B = S + 1 on the plateau, times A and I, over R, times 10 000
  run("1", "0.5");
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, run1_texts::invalidDataMessage);
  EXPECT_EQ(prompter.shown()[0].title, run1_texts::checkTitle);
  EXPECT_TRUE(p().window(WindowId::Form19).visible);
  EXPECT_FALSE(p().window(WindowId::Form20).visible);
  EXPECT_EQ(grid(), before);
  EXPECT_EQ(buildSpectrumTable(p()), 0);
  prompter.clear();
}

TEST_F(Spectrum, TableFromUncheckedValuesStaysBounded)
{
  p().TMAX = 1e9;
  p().TSTEP = 1e-9;
  EXPECT_EQ(buildSpectrumTable(p()), kMaxSpectrumSteps + 2);
  p().TSTEP = 0;
  EXPECT_EQ(buildSpectrumTable(p()), 2);
  EXPECT_EQ(grid().text(1, 0), " 0");
}

TEST_F(Spectrum, CorrectedValuesAreAcceptedAfterARefusal)
{
  run("1", "2");
  ASSERT_TRUE(s->form19.errore);
  run("1", "0.5");
  EXPECT_FALSE(s->form19.errore);
  EXPECT_TRUE(shown(WindowId::Form20));
  EXPECT_EQ(grid().rows(), 4);
  EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(Spectrum, CancelPutsBackTheOpeningValuesAndKeepsTheStoredOnes)
{
  p().TMAX = 3;
  p().TSTEP = 0.2;
  p().form19.Text[1].text = "7.5";
  p().form19.Text[2].text = "0.25";
  s->form19.CANCEL_Click();
  EXPECT_EQ(p().form19.Text[1].text, " 10");
  EXPECT_EQ(p().form19.Text[2].text, " .1");
  EXPECT_DOUBLE_EQ(p().TMAX, 3);
  EXPECT_DOUBLE_EQ(p().TSTEP, 0.2);
  EXPECT_FALSE(shown(WindowId::Form19));
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Spectrum, LeavingABoxReformatsIt)
{
  struct {
    int box;
    const char* typed;
    const char* shown;
  } const cases[] = {
      {1, "12.34", "12.3"}, {1, "10", "10."}, {1, " 2.25", "2.2"},
      {2, "0.125", ".12"},  {2, "0.1", ".1"}, {2, "1.5e-1", ".15"},
  };
  for (const auto& c : cases) {
    p().form19.Text[c.box].text = c.typed;
    EXPECT_TRUE(s->form19.Text_LostFocus(c.box));
    EXPECT_EQ(p().form19.Text[c.box].text, c.shown) << "Text" << c.box << " " << c.typed;
  }
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Spectrum, LeavingABoxWithoutAPositiveValueRestoresTheOpeningValue)
{
  struct {
    int box;
    const char* typed;
    const char* message;
    const char* restored;
  } const cases[] = {
      {1, "0", t19::text1Leave, " 10"},
      {1, "0.04", t19::text1Leave, " 10"},  // shown to one decimal it is 0
      {1, "abc", t19::text1Leave, " 10"},
      {2, "-1", t19::text2Leave, " .1"},
      {2, "0.001", t19::text2Leave, " .1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "Text" << c.box << " " << c.typed);
    prompter.clear();
    p().window(WindowId::Form19).focus.clear();
    p().form19.Text[c.box].text = c.typed;
    EXPECT_FALSE(s->form19.Text_LostFocus(c.box));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, c.message);
    EXPECT_EQ(prompter.shown()[0].title, "VORN");
    EXPECT_EQ(p().form19.Text[c.box].text, c.restored);
    EXPECT_EQ(p().window(WindowId::Form19).focus, "Text" + std::to_string(c.box));
  }
}

}  // namespace
}  // namespace vorn
