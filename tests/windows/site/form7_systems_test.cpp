#include "windows/site/form7_systems.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "codetables/system_table.h"
#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"

namespace vorn {
namespace {

class SystemDialogTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form7& dialog() { return s->form7; }
  void choose(char direction, int code)
  {
    test::clickMainCommand(*s, direction == 'x' ? 4 : 5);
    dialog().Option1_Click(code - 1);
    dialog().OK_Click();
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST(SystemTable, GivesEachCodeItsRAndHeightLimits)
{
  // R, shown limit and stored limit of codes 1 … 23.
  const double R[] = {7, 6, 5, 4, 8, 7, 5, 4, 7, 6, 10, 7, 4, 10, 7, 5, 11, 8, 8, 10, 9, 7, 7};
  const double stored[] = {50, 50,  30, 15, 50,  50, 30, 15,  50,  50, 150, 50,
                           15, 150, 50, 18, 200, 70, 70, 150, 150, 70, 70};
  const char* shown[] = {"50",  "50", "30",  "15",  "50",  "50",  "30", "15",
                         "50",  "50", "150", "50",  "-",   "150", "50", "-",
                         "200", "70", "70",  "150", "150", "70",  "70"};
  const int groupSizes[] = {4, 6, 6, 7};
  int group = 0, inGroup = 0;
  for (int code = 1; code <= 23; ++code) {
    const ResistingSystem* system = resistingSystem(code);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->code, code);
    EXPECT_DOUBLE_EQ(system->R, R[code - 1]) << code;
    EXPECT_EQ(system->rLabel, "R=" + std::to_string(static_cast<int>(R[code - 1]))) << code;
    EXPECT_DOUBLE_EQ(system->heightLimit, stored[code - 1]) << code;
    EXPECT_STREQ(system->shownHeightLimit, shown[code - 1]) << code;
    EXPECT_EQ(system->group, group) << code;
    if (++inGroup == groupSizes[group]) {
      ++group;
      inGroup = 0;
    }
  }
  EXPECT_EQ(resistingSystem(0), nullptr);
  EXPECT_EQ(resistingSystem(24), nullptr);
  EXPECT_EQ(resistingSystem(10.5), nullptr);
}

TEST_F(SystemDialogTest, Code17ForXAndCode4ForYGiveTheSmallerLimit)
{
  choose('x', 17);
  choose('y', 4);
  EXPECT_DOUBLE_EQ(p().SYSTEMx, 17);
  EXPECT_DOUBLE_EQ(p().SYSTEMy, 4);
  EXPECT_DOUBLE_EQ(p().Rx, 11);
  EXPECT_DOUBLE_EQ(p().Ry, 4);
  EXPECT_DOUBLE_EQ(p().HmaxX, 200);
  EXPECT_DOUBLE_EQ(p().HmaxY, 15);
  EXPECT_DOUBLE_EQ(p().Hmax, 15);
  choose('y', 11);
  EXPECT_DOUBLE_EQ(p().Hmax, 150);
}

TEST_F(SystemDialogTest, OrdinaryMomentFramesStoreTheirLimits)
{
  choose('x', 13);
  EXPECT_DOUBLE_EQ(p().HmaxX, 15);
  EXPECT_DOUBLE_EQ(p().Rx, 4);
  EXPECT_DOUBLE_EQ(p().Hmax, 15);
  choose('x', 16);
  EXPECT_DOUBLE_EQ(p().HmaxX, 18);
  EXPECT_DOUBLE_EQ(p().Rx, 5);
  EXPECT_DOUBLE_EQ(p().Hmax, 18);
}

TEST_F(SystemDialogTest, OpeningForXPreparesTheDialog)
{
  choose('y', 4);
  choose('x', 12);
  test::clickMainCommand(*s, 4);
  EXPECT_EQ(p().window(WindowId::Form7).caption, form7_texts::captionX);
  EXPECT_TRUE(p().window(WindowId::Form7).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(p().form7.xory, "x");
  EXPECT_EQ(dialog().selectedCode(), 12);
  EXPECT_DOUBLE_EQ(p().form7.def1, 12);
  EXPECT_DOUBLE_EQ(p().HmaxO, 15);
  EXPECT_DOUBLE_EQ(p().form7.hmaxXDEF, 50);
  EXPECT_DOUBLE_EQ(p().form7.hmaxYDEF, 15);
  EXPECT_DOUBLE_EQ(p().form7.hmaxDEF, 15);
}

TEST_F(SystemDialogTest, OpeningForYSelectsTheSystemOfY)
{
  choose('x', 12);
  choose('y', 20);
  test::clickMainCommand(*s, 5);
  EXPECT_EQ(p().window(WindowId::Form7).caption, form7_texts::captionY);
  EXPECT_EQ(p().form7.xory, "y");
  EXPECT_EQ(dialog().selectedCode(), 20);
  EXPECT_DOUBLE_EQ(p().form7.def2, 20);
  EXPECT_DOUBLE_EQ(p().HmaxO, 50);
  dialog().CANCEL_Click();
  test::clickMainCommand(*s, 4);
  EXPECT_EQ(dialog().selectedCode(), 12);
}

TEST_F(SystemDialogTest, MomentFramesOpenTheInfillChoiceOfTheirDirection)
{
  struct Case {
    char direction;
    int code;
    bool open;
  };
  const Case cases[] = {{'y', 14, true}, {'y', 17, false}, {'x', 11, true}, {'x', 10, false},
                        {'x', 16, true}, {'x', 4, false},  {'y', 13, true}, {'y', 23, false}};
  p().form8.Check[1].value = 1;
  p().form8.Check[2].value = 0;
  for (const Case& c : cases) {
    const bool otherBefore = p().form8.Check[c.direction == 'x' ? 2 : 1].enabled;
    choose(c.direction, c.code);
    EXPECT_EQ(p().form8.Check[c.direction == 'x' ? 1 : 2].enabled, c.open)
        << c.direction << " code " << c.code;
    EXPECT_EQ(p().form8.Check[c.direction == 'x' ? 2 : 1].enabled, otherBefore);
  }
  EXPECT_EQ(p().form8.Check[1].value, 1) << "the check marks stay";
  EXPECT_EQ(p().form8.Check[2].value, 0);
}

TEST_F(SystemDialogTest, CancelLeavesTheSystemRAndLimitsAsTheyWere)
{
  choose('x', 17);
  choose('y', 13);
  test::clickMainCommand(*s, 4);
  dialog().Option1_Click(3);
  dialog().CANCEL_Click();
  EXPECT_DOUBLE_EQ(p().SYSTEMx, 17);
  EXPECT_DOUBLE_EQ(p().Rx, 11);
  EXPECT_DOUBLE_EQ(p().HmaxX, 200);
  EXPECT_DOUBLE_EQ(p().Hmax, 15);
  EXPECT_EQ(dialog().selectedCode(), 17);
  EXPECT_FALSE(p().window(WindowId::Form7).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);

  test::clickMainCommand(*s, 5);
  dialog().Option1_Click(0);
  dialog().CANCEL_Click();
  EXPECT_DOUBLE_EQ(p().SYSTEMy, 13);
  EXPECT_DOUBLE_EQ(p().Ry, 4);
  EXPECT_DOUBLE_EQ(p().HmaxY, 15);
  EXPECT_EQ(dialog().selectedCode(), 13);
}

TEST_F(SystemDialogTest, ACodeOutsideTheListSelectsNothingAndOkKeepsTheValues)
{
  p().SYSTEMx = 0;  // as a foreign project file may leave it
  test::clickMainCommand(*s, 4);
  EXPECT_EQ(dialog().selectedCode(), 0);
  dialog().OK_Click();
  EXPECT_DOUBLE_EQ(p().SYSTEMx, 0);
  EXPECT_DOUBLE_EQ(p().Rx, 6);
  EXPECT_DOUBLE_EQ(p().Hmax, 50);
  EXPECT_FALSE(p().form8.Check[1].enabled);
}

TEST_F(SystemDialogTest, NewReturnsToSystem10AndLimit50)
{
  choose('x', 17);
  choose('y', 4);
  prompter.answer(true);
  test::newProject(*s);
  EXPECT_DOUBLE_EQ(p().SYSTEMx, 10);
  EXPECT_DOUBLE_EQ(p().SYSTEMy, 10);
  EXPECT_DOUBLE_EQ(p().Rx, 6);
  EXPECT_DOUBLE_EQ(p().Ry, 6);
  EXPECT_DOUBLE_EQ(p().Hmax, 50);
  EXPECT_DOUBLE_EQ(p().HmaxX, 50);
  EXPECT_DOUBLE_EQ(p().HmaxY, 50);
  EXPECT_EQ(dialog().selectedCode(), 10);
}

}  // namespace
}  // namespace vorn
