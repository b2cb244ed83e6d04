#include "views/site/form7_systems_view.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "codetables/system_table.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "view_clicks.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "windows/site/form7_systems.h"

namespace vorn {
namespace {

class SystemDialogView : public ::testing::Test {
protected:
  SystemDialogView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form7View& dialog() { return *static_cast<Form7View*>(app.view(WindowId::Form7)); }
  // Horizontal middle of a widget in the dialog's coordinates.
  int middle(QWidget* w) { return w->mapTo(&dialog(), w->rect().center()).x(); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(SystemDialogView, ShowsTheTwentyThreeSystemsInTheirGroupsRightToLeft)
{
  QTest::mouseClick(main().command(4), Qt::LeftButton);
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_EQ(dialog().windowTitle().toStdString(), form7_texts::captionX);
  EXPECT_EQ(dialog().layoutDirection(), Qt::RightToLeft);
  for (int g = 0; g < 4; ++g) {
    EXPECT_EQ(dialog().group(g)->title().toStdString(), form7_texts::groups[g]);
  }
  for (const ResistingSystem& system : resistingSystems()) {
    const int k = system.code - 1;
    QRadioButton* option = dialog().option(k);
    EXPECT_EQ(option->text().toStdString(), system.caption);
    EXPECT_EQ(option->parentWidget(), dialog().group(system.group)) << system.code;
    EXPECT_TRUE(option->isVisible());
    EXPECT_EQ(dialog().rLabel(k)->text().toStdString(), system.rLabel);
    EXPECT_EQ(dialog().heightLabel(k)->text().toStdString(), system.shownHeightLimit);
    // The caption on the right, then R, then the height limit.
    EXPECT_GT(middle(option), middle(dialog().rLabel(k))) << system.code;
    EXPECT_GT(middle(dialog().rLabel(k)), middle(dialog().heightLabel(k))) << system.code;
  }
  EXPECT_EQ(dialog().heightLabel(12)->text(), "-");
  EXPECT_EQ(dialog().heightLabel(15)->text(), "-");
  // The bearing-wall group stands right of the dual systems.
  EXPECT_GT(middle(dialog().group(0)), middle(dialog().group(3)));
  EXPECT_TRUE(dialog().option(9)->isChecked());
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
}

TEST_F(SystemDialogView, ClickingASystemAndOkStoresItForTheDirection)
{
  QTest::mouseClick(main().command(4), Qt::LeftButton);
  test::clickOption(dialog().option(16));
  EXPECT_TRUE(dialog().option(16)->isChecked());
  EXPECT_FALSE(dialog().option(9)->isChecked());
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(app.project().SYSTEMx, 17);
  EXPECT_DOUBLE_EQ(app.project().Rx, 11);

  QTest::mouseClick(main().command(5), Qt::LeftButton);
  EXPECT_EQ(dialog().windowTitle().toStdString(), form7_texts::captionY);
  EXPECT_TRUE(dialog().option(9)->isChecked());
  test::clickOption(dialog().option(3));
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(app.project().Ry, 4);
  EXPECT_DOUBLE_EQ(app.project().Hmax, 15);
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(SystemDialogView, ClosingTheFrameCancels)
{
  QTest::mouseClick(main().command(5), Qt::LeftButton);
  test::clickOption(dialog().option(0));
  dialog().close();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(app.session().form7.selectedCode(), 10);
  EXPECT_DOUBLE_EQ(app.project().SYSTEMy, 10);
}

TEST_F(SystemDialogView, OpensWithTheFocusOnTheChosenSystem)
{
  QTest::mouseClick(main().command(4), Qt::LeftButton);
  ASSERT_TRUE(dialog().option(9)->isChecked());
  EXPECT_EQ(dialog().focusWidget(), dialog().option(9));
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
}

}  // namespace
}  // namespace vorn
