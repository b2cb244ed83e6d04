#include "views/torsion/form18_torsion_results_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QtTest/QTest>
#include <cstdlib>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "toolkit/number_label_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/torsion/form17_torsion_summary_view.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {
namespace {

class TorsionResultsView : public ::testing::Test {
protected:
  TorsionResultsView()
  {
    createAllWindows(app);
    // Three stories of 3 m after the static run, on a 0.5 m foundation under a 12 m by 10 m
    // plan; the centres of rigidity lie 1 m east of the centres of mass.
    Project& p = app.project();
    p.N = 3;
    p.H1 = 9;
    p.FDIMx = 12;
    p.FDIMy = 10;
    p.FTHK = 0.5;
    for (int i = 1; i <= 3; ++i) {
      p.LevelHeight[i] = 3.0 * i;
      p.StoryWeight[i] = 40000;
      p.ForceX[i] = 2000.0 * i;
      p.ForceY[i] = 15000.0 * i;
      p.CMx[i] = 6;
      p.CMy[i] = 5;
      p.CRx[i] = 7;
      p.CRy[i] = 5;
      p.DIMx[i] = 12;
      p.DIMy[i] = 10;
      p.CMSET[i] = true;
    }
    p.form1.Command[11].enabled = true;
    p.form1.Command[12].enabled = true;
    app.refresh();
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form17View& summary() { return *static_cast<Form17View*>(app.view(WindowId::Form17)); }
  Form18View& results() { return *static_cast<Form18View*>(app.view(WindowId::Form18)); }
  // A label's text without the marks that keep its number left to right.
  std::string shownText(const char* label)
  {
    QString text = results().label(label)->text();
    text.remove(QChar(0x2066)).remove(QChar(0x2069));
    return text.toStdString();
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(TorsionResultsView, RunButtonShowsLabelsAndGrid)
{
  QTest::mouseClick(main().command(12), Qt::LeftButton);
  ASSERT_TRUE(prompter.shown().empty());
  ASSERT_TRUE(results().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(results().windowTitle().toStdString(), form18_texts::caption);
  EXPECT_EQ(results().layoutDirection(), Qt::RightToLeft);

  // MOx = 2000 x 3.5 + 4000 x 6.5 + 6000 x 9.5 = 90000; MRx = 120000 x 6 = 720000: 8.
  EXPECT_EQ(shownText("Label3_0"), std::string(form18_texts::overturningX) + " 90000");
  EXPECT_EQ(shownText("Label5"), std::string(form18_texts::safetyX) + " 8");
  EXPECT_EQ(shownText("Label6_0"), ">1.75 , ok");
  // MOy = 675000 against MRy = 120000 x 5 = 600000: .89, its point kept in front of the digits.
  EXPECT_EQ(shownText("Label8"), std::string(form18_texts::safetyY) + " .89");
  EXPECT_TRUE(results().label("Label8")->text().endsWith(QString::fromUtf8("= \u2066.89\u2069")));
  EXPECT_EQ(shownText("Label6_1"), "<1.75 , not good");
  EXPECT_EQ(shownText("Label1"), form18_texts::unitLabel);
  // 1 m between the centres against 5 % of 12 m: torsion counts for the y earthquake.
  EXPECT_EQ(shownText("Label7"), form18_texts::ignorableForX);

  GridView* grid = results().grid();
  ASSERT_EQ(grid->rowCount(), 4);
  ASSERT_EQ(grid->columnCount(), 13);
  EXPECT_GE(grid->columnWidth(10), grid->fontMetrics().horizontalAdvance("-72000"));
  // Story 3 under the y shear: MTy = 45000 x (6 - 7) = -45000, MTAy = 45000 x 0.6 = 27000.
  EXPECT_EQ(grid->item(3, 8)->text(), "-45000");
  EXPECT_EQ(grid->item(3, 9)->text(), " 27000");
  EXPECT_EQ(grid->item(3, 10)->text(), "-72000");

  QApplication::processEvents();
  const QPixmap shot = results().grab();
  EXPECT_FALSE(shot.isNull());
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    shot.save(QString::fromUtf8(dir) + "/form18.png");
  }

  QTest::mouseClick(results().okButton(), Qt::LeftButton);
  EXPECT_FALSE(results().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(TorsionResultsView, ClosingTheFrameDoesWhatOkDoes)
{
  QTest::mouseClick(main().command(12), Qt::LeftButton);
  results().close();
  EXPECT_FALSE(results().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(TorsionResultsView, SummaryButtonShowsTheTorsionInput)
{
  QTest::mouseClick(main().command(11), Qt::LeftButton);
  ASSERT_TRUE(summary().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(summary().label(2)->text(), QString::fromUtf8("بعد افقي سازه= \u206612\u2069"));
  EXPECT_EQ(summary().grid()->rowCount(), 4);
  EXPECT_EQ(summary().grid()->item(2, 5)->text(), " 7");
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    QApplication::processEvents();
    summary().grab().save(QString::fromUtf8(dir) + "/form17.png");
  }
  QTest::mouseClick(summary().okButton(), Qt::LeftButton);
  EXPECT_FALSE(summary().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST(NumberLabel, OnlyTheTrailingNumberIsIsolated)
{
  struct Case {
    const char* caption;
    const char* shown;
  };
  const Case cases[] = {
      {"لنگر محرك جهت افقي =-.5", "لنگر محرك جهت افقي =\u2066-.5\u2069"},
      {">1.75 , ok", "\u2066>1.75 , ok\u2069"},
      {"از اثرات  پيچش  نميتوان صرفنظر كرد ", "از اثرات  پيچش  نميتوان صرفنظر كرد "},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(withIsolatedNumber(c.caption), QString::fromUtf8(c.shown)) << c.caption;
  }
}

}  // namespace
}  // namespace vorn
