#include "windows/site/form5_importance.h"

#include <gtest/gtest.h>

#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"

namespace vorn {
namespace {

class ImportanceDialogTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form5& dialog() { return s->form5; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(ImportanceDialogTest, EachCategorySetsItsFactor)
{
  EXPECT_TRUE(p().form5.Option1[1].value);
  EXPECT_DOUBLE_EQ(p().i, 1.0);
  const double factors[] = {0.8, 1.0, 1.2, 1.4};
  for (int k : {3, 0, 2, 1}) {
    test::clickMainCommand(*s, 3);
    dialog().Option1_Click(k);
    dialog().OK_Click();
    EXPECT_DOUBLE_EQ(p().i, factors[k]);
    EXPECT_FALSE(p().window(WindowId::Form5).visible);
    EXPECT_TRUE(p().window(WindowId::form1).enabled);
  }
}

TEST_F(ImportanceDialogTest, CancelRestoresTheOptionAndLeavesI)
{
  test::clickMainCommand(*s, 3);
  dialog().Option1_Click(3);
  dialog().OK_Click();
  test::clickMainCommand(*s, 3);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  dialog().Option1_Click(0);
  dialog().CANCEL_Click();
  for (int k = 0; k <= 3; ++k) {
    EXPECT_EQ(p().form5.Option1[k].value, k == 3);
  }
  EXPECT_DOUBLE_EQ(p().i, 1.4);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
}

TEST_F(ImportanceDialogTest, HelpOpensOverTheDialogAndItsOkReturns)
{
  test::clickMainCommand(*s, 3);
  dialog().Command1_Click();
  EXPECT_FALSE(p().window(WindowId::Form5).enabled);
  EXPECT_TRUE(p().window(WindowId::Form6).visible);
  s->form6.OK_Click();
  EXPECT_TRUE(p().window(WindowId::Form5).enabled);
  EXPECT_FALSE(p().window(WindowId::Form6).visible);
}

TEST_F(ImportanceDialogTest, NewReturnsToTheMediumCategory)
{
  dialog().Option1_Click(0);
  dialog().OK_Click();
  prompter.answer(true);
  test::newProject(*s);
  EXPECT_TRUE(p().form5.Option1[1].value);
  EXPECT_FALSE(p().form5.Option1[0].value);
  EXPECT_DOUBLE_EQ(p().i, 1.0);
}

}  // namespace
}  // namespace vorn
