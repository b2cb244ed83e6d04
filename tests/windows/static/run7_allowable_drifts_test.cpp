#include "windows/static/run7_allowable_drifts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/common/run_messages.h"
#include "windows/static/form22_allowable_drifts.h"

namespace vorn {
namespace {

class AllowableDrifts : public ::testing::Test {
protected:
  // Stories of 3 m; R = 7 in both directions; x with a short period, y with a long one.
  void SetUp() override
  {
    p().N = 1;
    p().HS[1] = 3;
    p().Rx = 7;
    p().Ry = 7;
    p().Tx = 0.5;
    p().Ty = 0.7;
  }
  void TearDown() override { EXPECT_TRUE(prompter.shown().empty()) << "RUN7 shows no message"; }

  void stories(int n, double height)
  {
    p().N = n;
    for (int k = 1; k <= n; ++k) {
      p().HS[k] = height;
    }
  }
  const Grid& grid() { return p().form22.MSFlexGrid1; }
  std::string cell(int r, int c) { return grid().text(r, c); }

  Project& p() { return s->project; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(AllowableDrifts, ShortPeriodAllowsTwoAndAHalfPercentLongPeriodTwo)
{
  RUN7(*s);
  // x: 0.025 x 3 / (0.7 x 7) m = 1.5306 cm; y (0.7 s counts as long): 0.02 x 3 / 4.9 m = 1.2245 cm
  EXPECT_EQ(cell(1, 0), " 1");
  EXPECT_EQ(cell(1, 1), " 1.53");
  EXPECT_EQ(cell(1, 2), " 1.53");
  EXPECT_EQ(cell(1, 3), " 1.22");
  EXPECT_EQ(cell(1, 4), " 1.22");
}

TEST_F(AllowableDrifts, EachDirectionUsesItsOwnPeriodAndBehaviourFactor)
{
  p().Tx = 0.69;  // just below the long-period limit
  p().Ty = 1.2;
  p().Rx = 5;
  p().HS[1] = 3.5;
  RUN7(*s);
  // x: 0.025 x 3.5 / 3.5 = 0.025 m = 2.5 cm; y: 0.02 x 3.5 / 4.9 = 0.0142857 m = 1.43 cm
  EXPECT_EQ(cell(1, 1), " 2.5");
  EXPECT_EQ(cell(1, 3), " 1.43");
}

TEST_F(AllowableDrifts, TotalsAddTheRoundedStoryDrifts)
{
  stories(10, 3);
  RUN7(*s);
  EXPECT_EQ(cell(10, 0), " 10");
  EXPECT_EQ(cell(10, 1), " 1.53");
  EXPECT_EQ(cell(10, 2), " 15.3");  // ten times 1.53, not ten times 1.5306
  EXPECT_EQ(cell(10, 4), " 12.2");
  EXPECT_EQ(cell(3, 2), " 4.59");
  EXPECT_EQ(cell(7, 4), " 8.54");

  // 0.025 x 3.3 / 4.9 m = 1.6837 cm shown 1.68: three stories total 5.04 (5.05 unrounded)
  stories(3, 3.3);
  RUN7(*s);
  EXPECT_EQ(cell(1, 1), " 1.68");
  EXPECT_EQ(cell(3, 2), " 5.04");
}

TEST_F(AllowableDrifts, StoriesOfDifferentHeights)
{
  p().N = 3;
  p().HS[1] =
      4.2;        // x: 0.025 x 4.2 / 4.9 = 2.1429 cm -> 2.14; y: 0.02 x 4.2 / 4.9 = 1.7143 -> 1.71
  p().HS[2] = 3;  // 1.53 and 1.22
  p().HS[3] = 2.8;  // x: 1.4286 -> 1.43; y: 1.1429 -> 1.14
  RUN7(*s);
  EXPECT_EQ(cell(1, 1), " 2.14");
  EXPECT_EQ(cell(2, 2), " 3.67");
  EXPECT_EQ(cell(3, 2), " 5.1");
  EXPECT_EQ(cell(1, 3), " 1.71");
  EXPECT_EQ(cell(3, 3), " 1.14");
  EXPECT_EQ(cell(3, 4), " 4.07");
}

TEST_F(AllowableDrifts, GridHasAHeaderRowAndOneRowPerStory)
{
  stories(4, 3);
  RUN7(*s);
  ASSERT_EQ(grid().rows(), 5);
  ASSERT_EQ(grid().cols(), 5);
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(cell(0, c), form22_texts::headers[c]);
    EXPECT_EQ(grid().colWidth(c), 3000);
    for (int r = 0; r < 5; ++r) {
      EXPECT_EQ(grid().cellFormat(r, c), grid().cellFormat(0, 0)) << r << "," << c;
    }
  }
  EXPECT_EQ(std::string(form22_texts::headers[4]), "تغيير مكان كل مجاز طبقه براي جهت عمودي");

  // Filled again for one story: nothing of the four-story table is left.
  p().N = 1;
  RUN7(*s);
  EXPECT_EQ(grid().rows(), 2);
  EXPECT_EQ(cell(1, 2), " 1.53");
}

TEST_F(AllowableDrifts, OpensOverTheMainWindowAndOffersTheReportTable)
{
  test::clickMainCommand(*s, 15);
  EXPECT_TRUE(p().window(WindowId::Form22).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().form27.Check[9].enabled);
  EXPECT_EQ(cell(1, 1), " 1.53");

  s->form22.OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form22).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(cell(1, 1), " 1.53") << "the table stays until the next run";
}

TEST_F(AllowableDrifts, ADirectionWithoutABehaviourFactorShowsNoLimit)
{
  // A damaged project file can hold R = 0: the x cells stay empty rather than infinite.
  p().Rx = 0;
  RUN7(*s);
  EXPECT_EQ(cell(1, 0), " 1");
  EXPECT_EQ(cell(1, 1), "");
  EXPECT_EQ(cell(1, 2), "");
  EXPECT_EQ(cell(1, 3), " 1.22");
}

// A story height far beyond any building (a hand-edited project file) overflows the drift limits:
// the run stops under the static run's message, opens no window and keeps the table it had.
TEST_F(AllowableDrifts, HeightsBeyondADoubleStopTheRunAndKeepTheTable)
{
  stories(2, 3);
  RUN7(*s);
  s->form22.OK_Click();
  const std::string kept = cell(2, 2);
  p().HS[2] = 1e308;  // times 0.025 / 0.7 / 7 x 10 000
  RUN7(*s);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, run1_texts::invalidDataMessage);
  EXPECT_EQ(prompter.shown()[0].title, run1_texts::checkTitle);
  EXPECT_FALSE(p().window(WindowId::Form22).visible);
  EXPECT_EQ(cell(2, 2), kept);
  prompter.clear();
}

}  // namespace
}  // namespace vorn
