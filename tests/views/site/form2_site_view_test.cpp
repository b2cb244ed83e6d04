#include "views/site/form2_site_view.h"

#include <gtest/gtest.h>

#include <QCollator>
#include <QLocale>
#include <QtTest/QTest>
#include <algorithm>

#include "codetables/site_table.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "view_clicks.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"

namespace vorn {
namespace {

QStringList toQt(const std::vector<std::string>& names)
{
  QStringList list;
  for (const auto& n : names) {
    list << QString::fromStdString(n);
  }
  return list;
}

// The list positions are what a project file keeps, so the fixed order of the table must be the
// Persian alphabetical order.
TEST(SiteListOrder, IsThePersianAlphabeticalOrder)
{
  QCollator persian(QLocale(QLocale::Persian, QLocale::Iran));
  const auto collated = [&](QStringList list) {
    std::stable_sort(list.begin(), list.end(),
                     [&](const QString& a, const QString& b) { return persian.compare(a, b) < 0; });
    return list;
  };
  const QStringList provinces = toQt(provinceNames());
  EXPECT_EQ(collated(provinces), provinces);
  for (int p = 0; p < kProvinceCount; ++p) {
    const QStringList cities = toQt(cityNames(p));
    EXPECT_EQ(collated(cities), cities) << provinces[p].toStdString();
  }
}

class SiteDialogView : public ::testing::Test {
protected:
  SiteDialogView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form2View& dialog() { return *static_cast<Form2View*>(app.view(WindowId::Form2)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(SiteDialogView, ChoosingProvinceAndCityThenOkSetsA)
{
  // State: the main window; the site dialog is hidden.
  EXPECT_FALSE(dialog().isVisible());
  // Action: open it, choose Khuzestan, then Abadan, then OK.
  QTest::mouseClick(main().command(1), Qt::LeftButton);
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(dialog().combo1()->currentText(), "تهران");
  EXPECT_EQ(dialog().combo2()->currentText(), "تهران");
  EXPECT_FALSE(dialog().combo3()->isEnabled());

  test::pickItem(dialog().combo1(), "خوزستان");
  EXPECT_EQ(dialog().combo2()->currentText(), "اهواز");
  EXPECT_EQ(dialog().label2()->text(), "A=0.25");
  QStringList shown;
  for (int k = 0; k < dialog().combo2()->count(); ++k) {
    shown << dialog().combo2()->itemText(k);
  }
  EXPECT_EQ(shown, toQt(cityNames(9)));

  test::pickItem(dialog().combo2(), "آبادان");
  EXPECT_EQ(dialog().label2()->text(), "A=0.2");
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);

  // Expected: A of Abadan in the project; back on the main window.
  EXPECT_DOUBLE_EQ(app.project().a, 0.2);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(SiteDialogView, DirectOptionEnablesItsListAndShows030)
{
  QTest::mouseClick(main().command(1), Qt::LeftButton);
  test::clickOption(dialog().option2());
  EXPECT_TRUE(dialog().option2()->isChecked());
  EXPECT_FALSE(dialog().option1()->isChecked());
  EXPECT_TRUE(dialog().combo3()->isEnabled());
  EXPECT_FALSE(dialog().combo1()->isEnabled());
  EXPECT_EQ(dialog().combo3()->currentText(), "0.30");
  EXPECT_EQ(dialog().label2()->text(), "A=0.30");
  // Clicking the set option again leaves it set.
  test::clickOption(dialog().option2());
  EXPECT_TRUE(dialog().option2()->isChecked());
  test::pickItem(dialog().combo3(), "0.20");
  EXPECT_EQ(dialog().label2()->text(), "A=0.20");
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  EXPECT_TRUE(app.project().form2.Option1.value);
  EXPECT_DOUBLE_EQ(app.project().a, 0.35);
}

TEST_F(SiteDialogView, ClosingTheFrameCancels)
{
  QTest::mouseClick(main().command(1), Qt::LeftButton);
  test::pickItem(dialog().combo1(), "خوزستان");
  dialog().close();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_EQ(app.project().form2.Combo1.index, 6);
  EXPECT_DOUBLE_EQ(app.project().a, 0.35);
}

}  // namespace
}  // namespace vorn
