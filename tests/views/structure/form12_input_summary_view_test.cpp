#include "views/structure/form12_input_summary_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QtTest/QTest>
#include <cstdlib>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/structure/form10_stories_view.h"
#include "views/structure/form8_structure_view.h"
#include "windows/structure/form8_structure.h"

namespace vorn {
namespace {

class InputSummaryView : public ::testing::Test {
protected:
  InputSummaryView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  template <typename View>
  View& view(WindowId id)
  {
    return *static_cast<View*>(app.view(id));
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

TEST_F(InputSummaryView, AThreeStoryBuildingEnteredThroughTheDialogsIsSummarised)
{
  auto& main = view<Form1View>(WindowId::form1);
  auto& structure = view<Form8View>(WindowId::Form8);
  auto& stories = view<Form10View>(WindowId::Form10);
  auto& summary = view<Form12View>(WindowId::Form12);
  EXPECT_FALSE(main.command(8)->isEnabled());

  // Three stories of 3.2 m, the roof lighter.
  QTest::mouseClick(main.command(6), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&structure));
  retype(structure.text(2), "3");
  retype(structure.text(3), "9.6");
  QTest::mouseClick(structure.command(2), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&stories));
  const char* typed[] = {"120.5", "550", "200", "20", "44", "2.8", "30", "450", "0", "3.2"};
  for (int k = 2; k <= 11; ++k) {
    retype(stories.text(k), typed[k - 2]);
  }
  QTest::mouseClick(stories.command(5), Qt::LeftButton);
  retype(stories.text(3), "400");
  retype(stories.text(4), "150");
  retype(stories.text(10), "2500");
  QTest::mouseClick(stories.okButton(), Qt::LeftButton);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown()[0].text;
  EXPECT_FALSE(stories.isVisible());
  EXPECT_TRUE(structure.isEnabled());
  structure.activateWindow();  // the offscreen platform activates no window by itself
  ASSERT_TRUE(QTest::qWaitForWindowActive(&structure));
  QTest::mouseClick(structure.okButton(), Qt::LeftButton);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown()[0].text;
  EXPECT_FALSE(structure.isVisible());
  ASSERT_TRUE(main.command(8)->isEnabled());

  QTest::mouseClick(main.command(8), Qt::LeftButton);
  ASSERT_TRUE(summary.isVisible());
  EXPECT_FALSE(main.isEnabled());
  GridView* grid = summary.grid();
  ASSERT_EQ(grid->rowCount(), 4);
  ASSERT_EQ(grid->columnCount(), 11);
  EXPECT_EQ(grid->item(1, 1)->text(), " 120.5");
  EXPECT_EQ(grid->item(3, 2)->text(), " 400");
  EXPECT_EQ(grid->item(3, 9)->text(), " 2500");
  EXPECT_EQ(grid->item(2, 10)->text(), " 3.2");
  EXPECT_GE(grid->columnWidth(1), grid->fontMetrics().horizontalAdvance(" 120.5"));
  EXPECT_TRUE(summary.label(9)->isVisible());
  EXPECT_FALSE(summary.label(11)->isVisible());  // the empirical period
  EXPECT_FALSE(summary.label(7)->isVisible());   // infill decided by the systems
  // The numbers after the names are isolated left to right: a height or period below one keeps
  // its point in front of the digits.
  const std::string isolate = "\u2066", pop = "\u2069";
  EXPECT_EQ(summary.label(6)->text().toStdString(),
            std::string(form8_texts::labels[1]) + "=" + isolate + "3" + pop);
  EXPECT_EQ(summary.label(5)->text().toStdString(),
            std::string(form8_texts::labels[2]) + "=" + isolate + "9.6" + pop);

  QApplication::processEvents();
  const QPixmap shot = summary.grab();
  EXPECT_FALSE(shot.isNull());
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    shot.save(QString::fromUtf8(dir) + "/form12.png");
  }

  QTest::mouseClick(summary.okButton(), Qt::LeftButton);
  EXPECT_FALSE(summary.isVisible());
  EXPECT_TRUE(main.isEnabled());
}

}  // namespace
}  // namespace vorn
