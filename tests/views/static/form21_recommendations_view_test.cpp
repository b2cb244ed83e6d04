#include "views/static/form21_recommendations_view.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "windows/static/form21_recommendations.h"

namespace vorn {
namespace {

class RecommendationsView : public ::testing::Test {
protected:
  RecommendationsView()
  {
    createAllWindows(app);
    test::lockInputsAfterRun(app.session());
    app.project().N = 9;
    app.refresh();
  }
  void TearDown() override { EXPECT_TRUE(prompter.shown().empty()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form21View& window() { return *static_cast<Form21View*>(app.view(WindowId::Form21)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(RecommendationsView, MainWindowButtonShowsTheListAndOkReturns)
{
  // Action: click the main window's recommendations button.
  QTest::mouseClick(main().command(13), Qt::LeftButton);
  // Expected: the window shows every line of the list over a disabled main window.
  ASSERT_TRUE(window().isVisible());
  EXPECT_EQ(window().windowTitle().toStdString(), form21_texts::caption);
  EXPECT_FALSE(main().isEnabled());
  const auto& lines = app.project().form21.List1.lines();
  ASSERT_EQ(window().list()->count(), static_cast<int>(lines.size()));
  EXPECT_EQ(window().list()->item(0)->text().toStdString(), form21_texts::staticAllowed);
  EXPECT_EQ(window().list()->item(window().list()->count() - 1)->text().toStdString(),
            form21_texts::separator);
  EXPECT_EQ(window().okButton()->text().toStdString(), "ok");

  QTest::mouseClick(window().okButton(), Qt::LeftButton);
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(RecommendationsView, ClosingTheFrameActsAsOk)
{
  QTest::mouseClick(main().command(13), Qt::LeftButton);
  ASSERT_TRUE(window().isVisible());
  window().close();
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

}  // namespace
}  // namespace vorn
