#include "views/static/form13_static_results_view.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "windows/static/form13_static_results.h"

namespace vorn {
namespace {

class StaticResultsView : public ::testing::Test {
protected:
  StaticResultsView()
  {
    createAllWindows(app);
    // Two alike stories on braces; the structure dialog's OK has opened the run.
    Project& p = app.project();
    p.N = 2;
    p.H1 = 6;
    for (int i = 1; i <= 2; ++i) {
      p.AR[i] = 100;
      p.DL[i] = 500;
      p.HS[i] = 3;
      p.STORYSET[i] = true;
    }
    p.form1.Command[9].enabled = true;
    app.refresh();
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form13View& results() { return *static_cast<Form13View*>(app.view(WindowId::Form13)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(StaticResultsView, RunButtonShowsTheListAndTheGridRightToLeft)
{
  ASSERT_FALSE(results().isVisible());
  QTest::mouseClick(main().command(9), Qt::LeftButton);

  ASSERT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(results().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(results().windowTitle().toStdString(), form13_texts::caption);
  EXPECT_EQ(results().layoutDirection(), Qt::RightToLeft);
  auto* label = results().findChild<QLabel*>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text().toStdString(), form13_texts::unitLabel);

  const ListBox& list = app.project().form13.List1;
  ASSERT_EQ(results().list()->count(), list.count());
  for (int k = 0; k < list.count(); ++k) {
    EXPECT_EQ(results().list()->item(k)->text().toStdString(),
              list.lines()[static_cast<std::size_t>(k)]);
  }
  // Each level weighs 500 x 100 = 50000 kg.
  GridView* grid = results().grid();
  ASSERT_EQ(grid->rowCount(), 3);
  ASSERT_EQ(grid->columnCount(), 8);
  EXPECT_EQ(grid->item(2, 0)->text(), " 2");
  EXPECT_EQ(grid->item(2, 2)->text(), " 6");
  EXPECT_EQ(grid->item(1, 3)->text(), " 50000");
  EXPECT_GE(grid->columnWidth(3), grid->fontMetrics().horizontalAdvance(" 50000"));
}

TEST_F(StaticResultsView, OkReturnsToTheMainWindowWithTheTorsionDataOpen)
{
  QTest::mouseClick(main().command(9), Qt::LeftButton);
  ASSERT_TRUE(results().isVisible());
  EXPECT_FALSE(main().command(10)->isEnabled());
  EXPECT_FALSE(main().command(1)->isEnabled());

  QTest::mouseClick(results().okButton(), Qt::LeftButton);

  EXPECT_FALSE(results().isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_TRUE(main().command(10)->isEnabled());
  EXPECT_TRUE(main().command(13)->isEnabled());
  EXPECT_FALSE(main().command(1)->isEnabled());
}

TEST_F(StaticResultsView, ClosingTheFrameDoesWhatOkDoes)
{
  QTest::mouseClick(main().command(9), Qt::LeftButton);
  results().close();
  EXPECT_FALSE(results().isVisible());
  EXPECT_FALSE(app.project().window(WindowId::Form13).visible);
  EXPECT_TRUE(main().isEnabled());
  EXPECT_TRUE(main().command(10)->isEnabled());
}

TEST_F(StaticResultsView, StoppedRunShowsItsMessageAndNoWindow)
{
  app.project().i = 1.4;  // braces at A 0.35 are not allowed for very important buildings
  QTest::mouseClick(main().command(9), Qt::LeftButton);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  EXPECT_FALSE(results().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

}  // namespace
}  // namespace vorn
