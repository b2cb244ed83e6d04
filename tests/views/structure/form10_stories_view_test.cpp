#include "views/structure/form10_stories_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QtTest/QTest>
#include <cstdlib>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/structure/form11_story_picker_view.h"
#include "views/structure/form8_structure_view.h"

namespace vorn {
namespace {

class StoryWindowView : public ::testing::Test {
protected:
  StoryWindowView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  template <typename View>
  View& view(WindowId id)
  {
    return *static_cast<View*>(app.view(id));
  }
  Form1View& main() { return view<Form1View>(WindowId::form1); }
  Form8View& structure() { return view<Form8View>(WindowId::Form8); }
  Form10View& stories() { return view<Form10View>(WindowId::Form10); }

  // Replaces a box's text as the user does: focus, select all, type.
  static void retype(QLineEdit* box, const QString& text)
  {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  // Qt counts a dialog as active while its opener is: wait for the window itself.
  static bool active(QWidget* w)
  {
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
  }

  // The structure dialog from the main window, then the story window for an n-story building.
  void openStories(int n, const QString& height)
  {
    QTest::mouseClick(main().command(6), Qt::LeftButton);
    ASSERT_TRUE(structure().isVisible());
    ASSERT_TRUE(active(&structure()));
    retype(structure().text(2), QString::number(n));
    retype(structure().text(3), height);
    QTest::mouseClick(structure().command(2), Qt::LeftButton);
    ASSERT_TRUE(stories().isVisible());
    ASSERT_TRUE(active(&stories()));
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(StoryWindowView, EnterMovesAlongTheRingAndReformatsTheBoxLeft)
{
  openStories(3, "9");
  QLineEdit* area = stories().text(2);
  retype(area, "12.346");
  QTest::keyClick(area, Qt::Key_Return);
  EXPECT_EQ(area->text(), "12.35");
  EXPECT_EQ(QApplication::focusWidget(), stories().text(3));

  QTest::keyClick(stories().text(3), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), stories().text(4));
  QTest::keyClick(stories().text(4), Qt::Key_Up);
  QTest::keyClick(stories().text(3), Qt::Key_Up);
  QTest::keyClick(stories().text(2), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), stories().text(11));

  retype(stories().text(10), "0");
  QTest::keyClick(stories().text(10), Qt::Key_Enter);
  EXPECT_EQ(stories().text(10)->text(), ".");
  EXPECT_EQ(QApplication::focusWidget(), stories().text(11));
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(app.project().form10.Text[2].text, "12.35");
}

TEST_F(StoryWindowView, LeavingABoxWithARefusedValueRestoresItsTextOnce)
{
  openStories(3, "9");
  QLineEdit* dead = stories().text(3);
  retype(dead, "0");
  QTest::keyClick(dead, Qt::Key_Tab);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form10_texts::leaveMessages[1]);
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  EXPECT_EQ(dead->text(), "500");
  EXPECT_EQ(QApplication::focusWidget(), dead);
  QApplication::processEvents();
  EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(StoryWindowView, AClickThatLeavesARefusedBoxIsSwallowedAndTheNextOneCounts)
{
  openStories(2, "6");
  QLineEdit* walls = stories().text(7);
  retype(walls, "150");
  QTest::mouseClick(stories().okButton(), Qt::LeftButton);
  // Only the leave-box message: the click on OK did not run OK.
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{form10_texts::leaveMessages[5]});
  EXPECT_EQ(walls->text(), "3");
  EXPECT_EQ(QApplication::focusWidget(), walls);
  EXPECT_TRUE(stories().isVisible());

  prompter.clear();
  QTest::mouseClick(stories().okButton(), Qt::LeftButton);
  // Now OK runs: story 1 is entered and story 2 is missing.
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].title, "ERRORE BOX");
  EXPECT_TRUE(app.project().STORYSET[1]);
  EXPECT_EQ(stories().text(1)->text(), " 2");
}

TEST_F(StoryWindowView, TheStructureDialogTogglesThePeriodBoxAndRoundsTheStoryCount)
{
  QTest::mouseClick(main().command(6), Qt::LeftButton);
  ASSERT_TRUE(active(&structure()));
  EXPECT_FALSE(main().isEnabled());
  EXPECT_FALSE(structure().text(1)->isEnabled());
  QTest::mouseClick(structure().check(4), Qt::LeftButton);
  EXPECT_TRUE(structure().text(1)->isEnabled());

  retype(structure().text(2), "2.6");
  QTest::keyClick(structure().text(2), Qt::Key_Return);
  EXPECT_EQ(structure().text(2)->text(), "3");
  EXPECT_EQ(QApplication::focusWidget(), structure().text(3));
  QTest::keyClick(structure().text(3), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), structure().text(1));

  QTest::mouseClick(structure().cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(structure().isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_EQ(app.project().form8.Text[2].text, "1");
}

TEST_F(StoryWindowView, AThreeStoryBuildingLooksRight)
{
  openStories(3, "9.6");
  const char* typed[] = {"120.5", "550", "200", "20", "44", "2.8", "30", "450", "0", "3.2"};
  for (int k = 2; k <= 11; ++k) {
    retype(stories().text(k), typed[k - 2]);
  }
  QTest::mouseClick(stories().command(5), Qt::LeftButton);  // all but the roof
  ASSERT_TRUE(prompter.shown().empty());
  EXPECT_EQ(stories().text(1)->text(), " 3");
  EXPECT_TRUE(stories().penthouseNote()->isVisible());
  QApplication::processEvents();
  const QPixmap shot = stories().grab();
  EXPECT_FALSE(shot.isNull());
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    shot.save(QString::fromUtf8(dir) + "/form10.png");
  }
}

}  // namespace
}  // namespace vorn
