#include "windows/torsion/form17_torsion_summary.h"

#include <gtest/gtest.h>

#include <string>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"

namespace vorn {
namespace {

class TorsionSummaryTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s.project; }
  const Grid& grid() { return p().form17.MSFlexGrid1; }

  test::ScriptedPrompter prompter;
  Session s{prompter};
};

TEST_F(TorsionSummaryTest, LabelsCarryThePlanAndTheFoundation)
{
  p().FDIMx = 12.5;
  p().FDIMy = 8;
  p().FTHK = 0.75;
  p().form1.Command[11].enabled = true;
  test::clickMainCommand(s, 11);
  namespace t = form17_texts;
  const Form17Contents& f = p().form17;
  EXPECT_EQ(f.Label1.caption, t::unitLabel);
  EXPECT_EQ(f.Label2.caption, std::string(t::planX) + " 12.5");
  EXPECT_EQ(f.Label3.caption, std::string(t::planY) + " 8");
  EXPECT_EQ(f.Label4.caption, std::string(t::thickness) + " .75");
  EXPECT_TRUE(p().window(WindowId::Form17).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);

  s.form17.OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form17).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
}

TEST_F(TorsionSummaryTest, GridShowsEveryStorysDimensionsAndCentres)
{
  p().N = 3;
  for (int i = 1; i <= 4; ++i) {
    p().DIMx[i] = 20 + i;
    p().DIMy[i] = 10 + i;
    p().CMx[i] = 10.5;
    p().CMy[i] = 5 + 0.25 * i;
    p().CRx[i] = 9;
    p().CRy[i] = 0.5;
  }
  s.form17.fill();
  ASSERT_EQ(grid().rows(), 4);
  ASSERT_EQ(grid().cols(), 7);
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(grid().text(0, c), form17_texts::headings.at(static_cast<std::size_t>(c)));
    EXPECT_EQ(grid().colWidth(c), 3000);
    for (int r = 0; r <= 3; ++r) {
      EXPECT_EQ(grid().cellFormat(r, c), 3);
    }
  }
  const std::array<const char*, 7> row2 = {" 2", " 22", " 12", " 10.5", " 5.5", " 9", " .5"};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(grid().text(2, c), row2.at(static_cast<std::size_t>(c))) << c;
  }
  EXPECT_EQ(grid().text(3, 0), " 3");
}

TEST_F(TorsionSummaryTest, OneStoryGivesTwoRowsAndAnEarlierFillLeavesNone)
{
  p().N = 5;
  s.form17.fill();
  s.form17.OK_Click();
  p().N = 1;
  s.form17.fill();
  EXPECT_EQ(grid().rows(), 2);
  EXPECT_EQ(grid().text(1, 0), " 1");
}

}  // namespace
}  // namespace vorn
