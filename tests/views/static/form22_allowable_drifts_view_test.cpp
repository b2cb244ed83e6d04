#include "views/static/form22_allowable_drifts_view.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QtTest/QTest>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "windows/static/form22_allowable_drifts.h"

namespace vorn {
namespace {

class AllowableDriftsView : public ::testing::Test {
protected:
  AllowableDriftsView()
  {
    createAllWindows(app);
    test::lockInputsAfterRun(app.session());
    Project& p = app.project();
    p.N = 3;
    for (int k = 1; k <= 3; ++k) {
      p.HS[k] = 3;
    }
    p.Rx = 7;
    p.Ry = 7;
    p.Tx = 0.5;
    p.Ty = 0.8;
    app.refresh();
  }
  void TearDown() override { EXPECT_TRUE(prompter.shown().empty()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form22View& window() { return *static_cast<Form22View*>(app.view(WindowId::Form22)); }
  std::string cell(int r, int c) { return window().grid()->item(r, c)->text().toStdString(); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(AllowableDriftsView, MainWindowButtonShowsTheGridAndOkReturns)
{
  QTest::mouseClick(main().command(15), Qt::LeftButton);
  ASSERT_TRUE(window().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(window().windowTitle().toStdString(), form22_texts::caption);
  ASSERT_EQ(window().grid()->rowCount(), 4);
  ASSERT_EQ(window().grid()->columnCount(), 5);
  EXPECT_GE(window().grid()->columnWidth(1),
            window().grid()->fontMetrics().horizontalAdvance(" 1.53"));
  EXPECT_EQ(cell(0, 4), form22_texts::headers[4]);
  EXPECT_EQ(cell(3, 0), " 3");
  EXPECT_EQ(cell(3, 1), " 1.53");
  EXPECT_EQ(cell(3, 2), " 4.59");
  EXPECT_EQ(cell(3, 4), " 3.66");
  auto* note = window().findChild<QLabel*>("Label2");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text().toStdString(), form22_texts::note);

  QTest::mouseClick(window().okButton(), Qt::LeftButton);
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

}  // namespace
}  // namespace vorn
