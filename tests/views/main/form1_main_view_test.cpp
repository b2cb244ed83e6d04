#include "views/main/form1_main_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QtTest/QTest>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "windows/main/form1_main.h"

namespace vorn {
namespace {

class MainWindowView : public ::testing::Test {
protected:
  MainWindowView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& window() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(MainWindowView, ShowsTheCaptionsAndStartStates)
{
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(window().windowTitle(), "VORN");
  EXPECT_EQ(window().layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(window().command(9)->text().toStdString(), form1_texts::commands[8]);
  EXPECT_TRUE(window().command(1)->isEnabled());
  EXPECT_FALSE(window().command(9)->isEnabled());
  EXPECT_TRUE(window().command(14)->isEnabled());
  EXPECT_FALSE(window().check11()->isEnabled());
}

TEST_F(MainWindowView, NewAnsweredNoChangesNothing)
{
  // State: the run is done, so the inputs are locked.
  test::lockInputsAfterRun(app.session());
  app.refresh();
  ASSERT_FALSE(window().command(1)->isEnabled());
  // Action: click NEW, answer No.
  prompter.answer(false);
  QTest::mouseClick(window().newButton(), Qt::LeftButton);
  // Expected: the question was asked and the inputs stay locked.
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form1_texts::newQuestion);
  EXPECT_FALSE(window().command(1)->isEnabled());
  EXPECT_TRUE(window().check11()->isEnabled());
}

TEST_F(MainWindowView, ClosingTheWindowAsksTheExitQuestion)
{
  prompter.answer(false);
  window().close();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form1_texts::exitQuestion);
  EXPECT_EQ(prompter.shown()[0].title, "warning box");
  EXPECT_TRUE(window().isVisible());
  EXPECT_FALSE(app.session().exitRequested);
}

TEST_F(MainWindowView, ResetBoxClickedAndCancelledShowsCleared)
{
  test::lockInputsAfterRun(app.session());
  app.refresh();
  prompter.answer(false);
  QTest::mouseClick(window().check11(), Qt::LeftButton);
  EXPECT_EQ(prompter.shown().size(), 1u);
  EXPECT_FALSE(window().check11()->isChecked());
  EXPECT_FALSE(window().command(1)->isEnabled());
}

TEST_F(MainWindowView, DisabledWhileAnotherWindowIsOpenOverIt)
{
  app.project().window(WindowId::form1).enabled = false;
  app.refresh();
  EXPECT_FALSE(window().isEnabled());
  window().close();  // the frame's close is ignored while the window waits
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(window().isVisible());
}

}  // namespace
}  // namespace vorn
