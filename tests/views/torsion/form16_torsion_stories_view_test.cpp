#include "views/torsion/form16_torsion_stories_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QWindow>
#include <QtTest/QTest>
#include <cstdlib>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "view_clicks.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/torsion/form14_torsion_view.h"
#include "views/torsion/form15_story_picker_view.h"

namespace vorn {
namespace {

class TorsionDataView : public ::testing::Test {
protected:
  TorsionDataView()
  {
    createAllWindows(app);
    // A three-story building after its static run: the torsion data button is open.
    app.project().N = 3;
    app.project().form1.Command[10].enabled = true;
    app.refresh();
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  template <typename View>
  View& view(WindowId id)
  {
    return *static_cast<View*>(app.view(id));
  }
  Form1View& main() { return view<Form1View>(WindowId::form1); }
  Form14View& data() { return view<Form14View>(WindowId::Form14); }
  Form15View& picker() { return view<Form15View>(WindowId::Form15); }
  Form16View& stories() { return view<Form16View>(WindowId::Form16); }
  // Qt counts a dialog as active while its opener is: wait for the window itself.
  static bool active(QWidget* w)
  {
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
  }

  void openData(bool regular)
  {
    app.project().form8.Check[3].value = regular ? 1 : 0;
    QTest::mouseClick(main().command(10), Qt::LeftButton);
    ASSERT_TRUE(data().isVisible());
    ASSERT_TRUE(active(&data()));
  }
  // Through the picker to story k.
  void openStory(int k)
  {
    QTest::mouseClick(data().command1(), Qt::LeftButton);
    ASSERT_TRUE(picker().isVisible());
    ASSERT_TRUE(active(&picker()));
    picker().combo1()->setCurrentIndex(k - 1);
    emit picker().combo1()->activated(k - 1);
    QTest::mouseClick(picker().okButton(), Qt::LeftButton);
    ASSERT_TRUE(stories().isVisible());
    ASSERT_TRUE(active(&stories()));
  }
  static void retype(QLineEdit* box, const QString& text)
  {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(TorsionDataView, RegularBuildingShowsAShortDialogWithoutTheOptions)
{
  openData(true);
  EXPECT_FALSE(main().isEnabled());
  EXPECT_FALSE(data().heading()->isVisible());
  EXPECT_FALSE(data().option(0)->isVisible());
  EXPECT_FALSE(data().option(1)->isVisible());
  const int shortHeight = data().height();
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    QApplication::processEvents();
    data().grab().save(QString::fromUtf8(dir) + "/form14_regular.png");
  }
  QTest::mouseClick(data().cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(data().isVisible());
  EXPECT_TRUE(main().isEnabled());

  openData(false);
  EXPECT_TRUE(data().heading()->isVisible());
  EXPECT_TRUE(data().option(1)->isVisible());
  EXPECT_GT(data().height(), shortHeight);
}

TEST_F(TorsionDataView, OptionClickIsForwarded)
{
  openData(false);
  test::clickOption(data().option(1));
  EXPECT_TRUE(app.project().form14.Option1[1].value);
  EXPECT_FALSE(app.project().form14.Option1[0].value);
  EXPECT_TRUE(data().option(1)->isChecked());
}

TEST_F(TorsionDataView, PickerOpensTheStoryWithTheFocusOnTheFirstDimension)
{
  openData(false);
  retype(data().text(1), "24");
  QTest::keyClick(data().text(1), Qt::Key_Return);
  EXPECT_EQ(data().text(1)->text(), "24.");
  EXPECT_TRUE(data().text(2)->hasFocus());
  openStory(2);
  EXPECT_FALSE(picker().isVisible());
  EXPECT_FALSE(data().isEnabled());
  EXPECT_EQ(stories().text(1)->text(), " 2");
  EXPECT_EQ(stories().text(2)->text(), " 12");
  EXPECT_EQ(stories().text(6)->text(), " 24");
  EXPECT_TRUE(stories().text(6)->hasFocus());
  EXPECT_TRUE(stories().text(1)->isReadOnly());
  EXPECT_TRUE(stories().command(1)->isEnabled());
  EXPECT_TRUE(stories().command(4)->isEnabled());
}

TEST_F(TorsionDataView, EnterRunsTheRingAndARefusedBoxSpeaks)
{
  openData(false);
  app.session().form14.Option1_Click(1);  // factors from the drifts: their boxes are closed
  app.refresh();
  openStory(1);
  EXPECT_FALSE(stories().text(8)->isEnabled());
  retype(stories().text(6), "8");
  QTest::keyClick(stories().text(6), Qt::Key_Return);
  EXPECT_TRUE(stories().text(7)->hasFocus());
  EXPECT_EQ(stories().text(6)->text(), "8.");
  QTest::keyClick(stories().text(7), Qt::Key_Down);
  EXPECT_TRUE(stories().text(2)->hasFocus());
  // A centre of mass of 9 m lies beyond the story's 8 m: back to the 5 m it opened with.
  retype(stories().text(2), "9");
  QTest::keyClick(stories().text(2), Qt::Key_Return);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form16_texts::leaveMessages[0]);
  EXPECT_TRUE(stories().text(2)->hasFocus());
  EXPECT_EQ(stories().text(2)->text(), " 5");
  QTest::keyClick(stories().text(5), Qt::Key_Return);
  EXPECT_TRUE(stories().text(6)->hasFocus());  // the closed factor boxes are skipped
}

TEST_F(TorsionDataView, ThePickerAndTheStoryWindowInItsPlaceBelongToTheTorsionDialog)
{
  openData(false);
  EXPECT_EQ(data().windowHandle()->transientParent(), main().windowHandle());
  openStory(2);
  EXPECT_EQ(picker().windowHandle()->transientParent(), data().windowHandle());
  EXPECT_EQ(stories().windowHandle()->transientParent(), data().windowHandle());
}

TEST_F(TorsionDataView, CopyToEveryStoryAndOkReturnToTheMainWindow)
{
  openData(false);
  openStory(1);
  QTest::mouseClick(stories().command(4), Qt::LeftButton);
  EXPECT_FALSE(stories().isVisible());
  EXPECT_TRUE(data().isVisible());
  EXPECT_TRUE(data().isEnabled());
  QTest::mouseClick(data().okButton(), Qt::LeftButton);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(data().isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_TRUE(main().command(11)->isEnabled());
  EXPECT_TRUE(main().command(12)->isEnabled());
}

TEST_F(TorsionDataView, ScreenshotOfTheStoryWindow)
{
  openData(false);
  openStory(3);
  EXPECT_EQ(stories().layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(stories().windowTitle().toStdString(), form16_texts::caption);
  QApplication::processEvents();
  const QPixmap shot = stories().grab();
  EXPECT_FALSE(shot.isNull());
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    shot.save(QString::fromUtf8(dir) + "/form16.png");
    data().grab().save(QString::fromUtf8(dir) + "/form14.png");
  }
}

}  // namespace
}  // namespace vorn
