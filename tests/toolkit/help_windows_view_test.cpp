#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "view_clicks.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/site/form3_soil_view.h"
#include "views/site/form5_importance_view.h"

namespace vorn {
namespace {

class HelpWindowsView : public ::testing::Test {
protected:
  HelpWindowsView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  HelpWindowView& help(WindowId id) { return *static_cast<HelpWindowView*>(app.view(id)); }

  // Every heading followed by its items, as the window must show them.
  static std::vector<std::string> expected(std::span<const HelpSection> sections)
  {
    std::vector<std::string> texts;
    for (const HelpSection& s : sections) {
      texts.emplace_back(s.heading);
      for (const char* item : s.items) {
        texts.emplace_back(item);
      }
    }
    return texts;
  }
  static void checkShown(HelpWindowView& window, std::span<const HelpSection> sections)
  {
    std::vector<std::string> shown;
    for (QLabel* label : window.texts()) {
      EXPECT_TRUE(label->isVisible());
      EXPECT_TRUE(label->wordWrap());
      EXPECT_GE(label->height(), label->heightForWidth(label->width()))
          << "text cut off: " << label->text().toStdString();
      shown.push_back(label->text().toStdString());
    }
    EXPECT_EQ(shown, expected(sections));
    EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
    // Headings on the right of their items.
    const QLabel* heading = window.texts().front();
    const QLabel* item = window.texts().at(1);
    EXPECT_GT(heading->mapTo(&window, heading->rect().center()).x(),
              item->mapTo(&window, item->rect().center()).x());
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(HelpWindowsView, SoilHelpShowsEveryTypeAndReturnsToTheDialog)
{
  QTest::mouseClick(main().command(2), Qt::LeftButton);
  auto& soil = *static_cast<Form3View*>(app.view(WindowId::Form3));
  QTest::mouseClick(soil.helpButton(), Qt::LeftButton);
  HelpWindowView& window = help(WindowId::Form4);
  ASSERT_TRUE(window.isVisible());
  EXPECT_FALSE(soil.isEnabled());
  EXPECT_EQ(window.windowTitle().toStdString(), form4_texts::caption);
  checkShown(window, form4_texts::sections);
  EXPECT_EQ(window.texts().size(), 12u);
  QTest::mouseClick(window.closeButton(), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(soil.isEnabled());
  test::clickOption(soil.option(3));
  QTest::mouseClick(soil.okButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(app.project().TS, 1.0);
}

TEST_F(HelpWindowsView, ImportanceHelpShowsEveryCategoryAndReturnsToTheDialog)
{
  QTest::mouseClick(main().command(3), Qt::LeftButton);
  auto& importance = *static_cast<Form5View*>(app.view(WindowId::Form5));
  QTest::mouseClick(importance.helpButton(), Qt::LeftButton);
  HelpWindowView& window = help(WindowId::Form6);
  ASSERT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle().toStdString(), form6_texts::caption);
  checkShown(window, form6_texts::sections);
  EXPECT_EQ(window.texts().size(), 11u);
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(importance.isEnabled());
  test::clickOption(importance.option(2));
  QTest::mouseClick(importance.okButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(app.project().i, 1.2);
}

}  // namespace
}  // namespace vorn
