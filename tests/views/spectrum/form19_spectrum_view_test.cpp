#include "views/spectrum/form19_spectrum_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>
#include <QtTest/QTest>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/spectrum/form20_spectrum_view.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/spectrum/form20_spectrum.h"

namespace vorn {
namespace {

class SpectrumView : public ::testing::Test {
protected:
  SpectrumView()
  {
    createAllWindows(app);
    QTest::mouseClick(main().command(14), Qt::LeftButton);
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form19View& dialog() { return *static_cast<Form19View*>(app.view(WindowId::Form19)); }
  Form20View& table() { return *static_cast<Form20View*>(app.view(WindowId::Form20)); }

  // Replaces a box's text as the user types it.
  void type(int k, const char* text)
  {
    QLineEdit* box = dialog().text(k);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(SpectrumView, TheDialogOpensOverTheMainWindowWithItsValues)
{
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(dialog().windowTitle().toStdString(), form19_texts::caption);
  EXPECT_EQ(dialog().text(1)->text(), "10");
  EXPECT_EQ(dialog().text(2)->text(), "0.1");
}

TEST_F(SpectrumView, EnterMovesToTheOtherBoxAndReformatsTheOneLeft)
{
  QApplication::setActiveWindow(&dialog());
  type(1, "2.25");
  QTest::keyClick(dialog().text(1), Qt::Key_Return);
  EXPECT_EQ(dialog().text(1)->text(), "2.2");
  EXPECT_TRUE(dialog().text(2)->hasFocus());
  QTest::keyClick(dialog().text(2), Qt::Key_Up);
  EXPECT_EQ(dialog().text(2)->text(), ".1");
  EXPECT_TRUE(dialog().text(1)->hasFocus());
}

TEST_F(SpectrumView, TabLeavesTheBoxAndReformatsIt)
{
  QApplication::setActiveWindow(&dialog());
  type(1, "12.34");
  QTest::keyClick(dialog().text(1), Qt::Key_Tab);
  EXPECT_EQ(dialog().text(1)->text(), "12.3");
  EXPECT_EQ(app.project().form19.Text[1].text, "12.3");
}

TEST_F(SpectrumView, RefusedBoxShowsItsMessageAndGetsTheOpeningValueBack)
{
  QApplication::setActiveWindow(&dialog());
  type(2, "0");
  QTest::keyClick(dialog().text(2), Qt::Key_Down);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form19_texts::text2Leave);
  EXPECT_EQ(dialog().text(2)->text(), " .1");
  EXPECT_TRUE(dialog().text(2)->hasFocus());
}

TEST_F(SpectrumView, OkShowsTheTableInPlaceOfTheDialogAndOkReturns)
{
  type(1, "1");
  type(2, "0.25");
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(dialog().isVisible());
  ASSERT_TRUE(table().isVisible());
  EXPECT_EQ(table().windowTitle().toStdString(), form20_texts::caption);
  ASSERT_EQ(table().grid()->rowCount(), 6);
  EXPECT_EQ(table().grid()->item(5, 0)->text(), " 1");
  EXPECT_EQ(table().grid()->item(1, 1)->text(), " .0583");  // 0.35 / 6
  EXPECT_GE(table().grid()->columnWidth(1),
            table().grid()->fontMetrics().horizontalAdvance(" .0583"));
  EXPECT_FALSE(main().isEnabled());

  QTest::mouseClick(table().okButton(), Qt::LeftButton);
  EXPECT_FALSE(table().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(SpectrumView, CancelReturnsWithTheOpeningValues)
{
  type(1, "5");
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_EQ(dialog().text(1)->text(), " 10");
  EXPECT_EQ(dialog().text(2)->text(), " .1");
}

TEST_F(SpectrumView, TheDialogBelongsToTheMainWindowAndOpensCentredOnIt)
{
  EXPECT_EQ(dialog().windowType(), Qt::Dialog);
  EXPECT_EQ(dialog().windowHandle()->transientParent(), main().windowHandle());
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  main().move(30, 140);
  QTest::mouseClick(main().command(14), Qt::LeftButton);
  const QPoint off = dialog().frameGeometry().center() - main().frameGeometry().center();
  EXPECT_LE(off.manhattanLength(), 2) << off.x() << ", " << off.y();
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
}

TEST_F(SpectrumView, ReopeningPutsTheFocusOnTheFirstBoxUnlessTheLogicNamesAControl)
{
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  ASSERT_EQ(dialog().focusWidget(), dialog().cancelButton());
  QTest::mouseClick(main().command(14), Qt::LeftButton);
  EXPECT_EQ(dialog().focusWidget(), dialog().text(1));

  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  app.project().window(WindowId::Form19).focus = "Text2";
  QTest::mouseClick(main().command(14), Qt::LeftButton);
  EXPECT_EQ(dialog().focusWidget(), dialog().text(2));
}

}  // namespace
}  // namespace vorn
