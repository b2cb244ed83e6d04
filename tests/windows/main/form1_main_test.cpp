#include "windows/main/form1_main.h"

#include <gtest/gtest.h>

#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
  void TearDown() override
  {
    EXPECT_TRUE(prompter.scriptUsedUp()) << "a scripted answer was not asked for";
  }

  // The enabled states after the static run, with some results in place.
  void runDone()
  {
    test::lockInputsAfterRun(*s);
    p().form1.Command[10].enabled = true;
    p().form1.Command[11].enabled = true;
    p().form1.Command[12].enabled = true;
    p().form1.Command[8].enabled = true;
    p().form1.Command[9].enabled = true;
    for (int k = 2; k <= 10; ++k) {
      p().form27.Check[k].enabled = true;
    }
    p().Vx = 12345;
  }

  Project& p() { return s->project; }
  Form1& f() { return s->form1; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(MainWindowTest, StartStateOpensTheSixInputStepsTheSpectrumAndAbout)
{
  for (int k = 1; k <= 16; ++k) {
    const bool open = k <= 7 || k == 14;
    EXPECT_EQ(p().form1.Command[k].enabled, open) << "Command" << k;
  }
  EXPECT_FALSE(p().form1.Check11.enabled);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
  EXPECT_FALSE(p().window(WindowId::Form13).visible);
}

TEST_F(MainWindowTest, NoToTheNewQuestionChangesNothing)
{
  runDone();
  p().N = 12;
  p().AR[12] = 50;
  const auto before = std::make_unique<Project>(p());
  prompter.answer(false);
  f().NEW_Click();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form1_texts::newQuestion);
  EXPECT_EQ(prompter.shown()[0].title, "WARNING BOX");
  EXPECT_EQ(prompter.shown()[0].kind, test::ScriptedPrompter::Kind::YesNo);
  EXPECT_EQ(p().form1.Command, before->form1.Command);
  EXPECT_EQ(p().form1.Check11, before->form1.Check11);
  EXPECT_EQ(p().N, 12);
  EXPECT_EQ(p().AR[12], 50);
  EXPECT_EQ(p().Vx, 12345);
}

TEST_F(MainWindowTest, YesToNewReturnsToTheInputsOpenState)
{
  runDone();
  p().N = 30;
  p().AR[25] = 80;
  p().Ajx[25] = 1.4;
  prompter.answer(true);
  f().MENNEW_Click();
  for (int k = 1; k <= 16; ++k) {
    if (k == 7)
      continue;
    EXPECT_EQ(p().form1.Command[k].enabled, k <= 6 || k == 14) << "Command" << k;
  }
  EXPECT_FALSE(p().form1.Check11.enabled);
  EXPECT_EQ(p().N, 1);
  EXPECT_EQ(p().AR[25], 0);
  EXPECT_EQ(p().Ajx[25], 1);
  EXPECT_EQ(p().Vx, 0);
  for (int k = 2; k <= 10; ++k) {
    EXPECT_FALSE(p().form27.Check[k].enabled) << "report choice " << k;
  }
}

TEST_F(MainWindowTest, ExitAsksAndOnlyYesLeaves)
{
  prompter.answer(false);
  f().END_Click();
  EXPECT_FALSE(s->exitRequested);
  prompter.answer(false);
  EXPECT_FALSE(f().Form_QueryUnload());
  prompter.answer(true);
  f().MENEXIT_Click();
  EXPECT_TRUE(s->exitRequested);
  ASSERT_EQ(prompter.shown().size(), 3u);
  for (const auto& shown : prompter.shown()) {
    EXPECT_EQ(shown.text, form1_texts::exitQuestion);
    EXPECT_EQ(shown.title, "warning box");
  }
}

TEST_F(MainWindowTest, CancelInTheResetQuestionLeavesEveryStateAndClearsTheBox)
{
  runDone();
  const auto before = std::make_unique<Project>(p());
  prompter.answer(false);
  f().Check11_Click(1);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].title, "warning box");
  EXPECT_EQ(prompter.shown()[0].kind, test::ScriptedPrompter::Kind::OkCancel);
  EXPECT_EQ(p().form1.Check11.value, 0);
  EXPECT_TRUE(p().form1.Check11.enabled);
  EXPECT_EQ(p().form1.Command, before->form1.Command);
  EXPECT_EQ(p().form27.Check, before->form27.Check);
}

TEST_F(MainWindowTest, ResetUnlocksInputsKeepsResultsAndTheRun)
{
  runDone();
  prompter.answer(true);
  f().Check11_Click(1);
  EXPECT_EQ(p().form1.Check11.value, 1);
  EXPECT_FALSE(p().form1.Check11.enabled);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_TRUE(p().form1.Command[k].enabled) << "Command" << k;
  }
  for (int k : {10, 11, 12, 13, 15, 16}) {
    EXPECT_FALSE(p().form1.Command[k].enabled) << "Command" << k;
  }
  EXPECT_TRUE(p().form1.Command[8].enabled);
  EXPECT_TRUE(p().form1.Command[9].enabled);  // the run can be repeated at once
  EXPECT_TRUE(p().form1.Command[14].enabled);
  for (int k = 5; k <= 10; ++k) {
    EXPECT_FALSE(p().form27.Check[k].enabled) << "report choice " << k;
  }
  EXPECT_TRUE(p().form27.Check[2].enabled);
  EXPECT_EQ(p().Vx, 12345);  // results stay until the next run
}

TEST_F(MainWindowTest, ClearingTheResetBoxAsksNothing)
{
  runDone();
  f().Check11_Click(0);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(p().form1.Check11.value, 0);
}

TEST_F(MainWindowTest, OpeningOverAWindowDisablesItAndClosingReturnsToIt)
{
  openOver(p(), WindowId::form1, WindowId::Form13);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().window(WindowId::Form13).visible);
  openOver(p(), WindowId::Form23, WindowId::Form24);
  EXPECT_FALSE(p().window(WindowId::Form23).enabled);
  returnTo(p(), WindowId::Form24, WindowId::Form23);
  EXPECT_TRUE(p().window(WindowId::Form23).enabled);
  EXPECT_TRUE(p().window(WindowId::Form23).visible);
  EXPECT_FALSE(p().window(WindowId::Form24).visible);
  returnTo(p(), WindowId::Form13, WindowId::form1);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_FALSE(p().window(WindowId::Form13).visible);
}

}  // namespace
}  // namespace vorn
