#include "views/pdelta/form23_pdelta_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtTest/QTest>
#include <cstdlib>
#include <string>
#include <vector>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "view_clicks.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/pdelta/form24_pdelta_results_view.h"
#include "views/pdelta/form25_story_picker_view.h"
#include "windows/pdelta/form23_pdelta.h"

namespace vorn {
namespace {

class PDeltaView : public ::testing::Test {
protected:
  PDeltaView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  // The static run is done for n stories of 3 m; the user clicks the P-Delta button.
  void open(int n, bool regular)
  {
    Project& p = app.project();
    p.N = n;
    p.form8.Check[3].value = regular ? 1 : 0;
    for (int i = 1; i <= n; ++i) {
      p.HS[i] = 3;
    }
    test::lockInputsAfterRun(app.session());
    app.refresh();
    QTest::mouseClick(main().command(16), Qt::LeftButton);
    QApplication::setActiveWindow(&dialog());
  }
  // Replaces a box's text as the user types it.
  void retype(int k, const char* text)
  {
    QLineEdit* box = dialog().text(k);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  void saveShot(QWidget& window, const char* name)
  {
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    EXPECT_FALSE(shot.isNull());
    if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
      shot.save(QString::fromUtf8(dir) + "/" + name);
    }
  }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form23View& dialog() { return *static_cast<Form23View*>(app.view(WindowId::Form23)); }
  Form24View& results() { return *static_cast<Form24View*>(app.view(WindowId::Form24)); }
  Form25View& picker() { return *static_cast<Form25View*>(app.view(WindowId::Form25)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(PDeltaView, OneStoryOpensOverTheMainWindowWithoutNavigation)
{
  open(1, true);
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_FALSE(main().isEnabled());
  for (int k : {1, 2, 3, 4, 5}) {
    EXPECT_FALSE(dialog().command(k)->isEnabled()) << "Command" << k;
  }
  EXPECT_FALSE(dialog().text(1)->isEnabled());
  EXPECT_FALSE(dialog().text(4)->isEnabled());
  EXPECT_EQ(dialog().text(2)->text(), "1.5");
}

TEST_F(PDeltaView, EnterAndArrowsMoveAroundTheDriftBoxesReformattingTheOneLeft)
{
  open(2, false);
  retype(2, "2.346");
  QTest::keyClick(dialog().text(2), Qt::Key_Return);
  EXPECT_EQ(dialog().text(2)->text(), "2.35");
  EXPECT_EQ(QApplication::focusWidget(), dialog().text(3));
  QTest::keyClick(dialog().text(3), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), dialog().text(4));
  QTest::keyClick(dialog().text(4), Qt::Key_Up);
  QTest::keyClick(dialog().text(3), Qt::Key_Up);
  QTest::keyClick(dialog().text(2), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), dialog().text(5));
}

TEST_F(PDeltaView, ANegativeDriftIsReportedOnceAndNeverHoldsTheUserFromTheButtons)
{
  open(2, false);
  EXPECT_EQ(QApplication::focusWidget(), dialog().text(2)) << "the first box that takes typing";
  retype(2, "-1");
  // Into another box: the message, and the focus back on the drift, which keeps its value.
  QTest::mouseClick(dialog().text(3), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), dialog().text(2));
  EXPECT_EQ(dialog().text(2)->text(), "-1.");
  QTest::mouseClick(dialog().text(3), Qt::LeftButton);  // the same value: the focus goes
  EXPECT_EQ(QApplication::focusWidget(), dialog().text(3));
  QTest::mouseClick(dialog().applyButton(), Qt::LeftButton);
  EXPECT_FALSE(app.project().DRIFTSET[1]);
  // A fresh negative value, straight to CANCEL: the dialog closes at once.
  retype(3, "-2");
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{form23_texts::negativeLeave, form23_texts::negativeAverage}));
}

TEST_F(PDeltaView, TheFrameCloseForgetsTheTypedDriftAndReturnsToTheMainWindow)
{
  open(1, true);
  const std::string opened = app.project().form23.Text[2].text;
  retype(2, "2.5");
  ASSERT_EQ(app.project().form23.Text[2].text, "2.5");
  dialog().close();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().isEnabled());
  // the box shows again the drift it had when the dialog opened
  EXPECT_DOUBLE_EQ(std::stod(app.project().form23.Text[2].text), std::stod(opened));
}

TEST_F(PDeltaView, ApplyThenResultsShowTheGridOverTheDialog)
{
  open(1, true);
  Project& p = app.project();
  p.HS[1] = 1;
  p.StoryWeight[1] = 10000;
  p.ForceX[1] = 1000;
  p.ForceY[1] = 1000;
  retype(2, "1");  // θx = 0.01 × 10 000 / 1 000 / 1 = 0.1
  retype(3, "0.5");
  QTest::mouseClick(dialog().applyButton(), Qt::LeftButton);
  ASSERT_TRUE(prompter.shown().empty());
  ASSERT_TRUE(dialog().command(4)->isEnabled());

  QTest::mouseClick(dialog().command(4), Qt::LeftButton);
  ASSERT_TRUE(results().isVisible());
  EXPECT_FALSE(dialog().isEnabled());
  GridView* grid = results().grid();
  ASSERT_EQ(grid->rowCount(), 2);
  ASSERT_EQ(grid->columnCount(), 13);
  EXPECT_EQ(grid->item(1, 1)->text(), " .01");
  EXPECT_EQ(grid->item(1, 5)->text(), " 111");
  EXPECT_EQ(grid->item(1, 6)->text(), " 1111");
  EXPECT_EQ(grid->item(1, 7)->text(), QString::fromUtf8("قابل صرفنظر"));

  QTest::mouseClick(results().okButton(), Qt::LeftButton);
  EXPECT_FALSE(results().isVisible());
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_TRUE(dialog().isEnabled());
  EXPECT_FALSE(main().isEnabled());
}

TEST_F(PDeltaView, PickerShowsTheChosenStoryInTheDialog)
{
  open(3, true);
  QTest::mouseClick(dialog().command(3), Qt::LeftButton);
  ASSERT_TRUE(picker().isVisible());
  EXPECT_FALSE(dialog().isVisible());
  ASSERT_EQ(picker().combo1()->count(), 3);
  test::pickItem(picker().combo1(), QString::fromUtf8("طبقه 2"));
  QTest::mouseClick(picker().okButton(), Qt::LeftButton);
  EXPECT_FALSE(picker().isVisible());
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_EQ(dialog().text(1)->text(), " 2");
  EXPECT_TRUE(dialog().command(1)->isEnabled());
  EXPECT_TRUE(dialog().command(2)->isEnabled());
}

// A five-story building whose stories show every kind of result.
void fiveStories(Project& p)
{
  const double force[] = {2000, 4000, 6000, 8000, 5000};
  const double driftX[] = {0.02, 0.035, 0.0125, 0.009, 0.006};
  const double driftY[] = {0.02, 0.018, 0.016, 0.013, 0.008};
  for (int i = 1; i <= 5; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    p.StoryWeight[i] = 60000;
    p.AR[i] = 150;
    p.LL[i] = 200;
    p.PERL[i] = 20;
    p.ForceX[i] = force[k];
    p.ForceY[i] = force[k];
    p.DRIFTx[i] = driftX[k];
    p.DRIFTy[i] = driftY[k];
    p.DRIFTMAXx[i] = driftX[k] * 1.2;
    p.DRIFTMAXy[i] = driftY[k] * 1.3;
    p.DRIFTSET[i] = true;
  }
  p.ForceX[5] = 0;  // a roof without x force: no x shear to check
}

TEST_F(PDeltaView, ResultsOfARegularBuildingLookRight)
{
  fiveStories(app.project());
  open(5, true);
  saveShot(dialog(), "form23.png");
  QTest::mouseClick(dialog().command(4), Qt::LeftButton);
  ASSERT_TRUE(results().isVisible());
  EXPECT_EQ(results().grid()->item(1, 9)->text(), "");
  saveShot(results(), "form24_regular.png");
}

TEST_F(PDeltaView, ResultsOfAnIrregularBuildingLookRight)
{
  fiveStories(app.project());
  open(5, false);
  QTest::mouseClick(dialog().command(4), Qt::LeftButton);
  ASSERT_TRUE(results().isVisible());
  EXPECT_NE(results().grid()->item(1, 12)->text(), "");
  saveShot(results(), "form24_irregular.png");
  // The shear columns lie past the displacements: scrolled into view.
  results().grid()->scrollToItem(results().grid()->item(1, 12));
  saveShot(results(), "form24_irregular_shears.png");
}

}  // namespace
}  // namespace vorn
