#include "windows/site/form2_site.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "codetables/site_table.h"
#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/site/form3_soil.h"

namespace vorn {
namespace {

constexpr int kKhuzestan = 9;
constexpr int kGilan = 21;
constexpr int kMarkazi = 24;
constexpr int kHormozgan = 25;
constexpr int kEastAzarbayjan = 0;

class SiteDialogTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form2Controls& f() { return s->project.form2; }
  Form2& dialog() { return s->form2; }

  std::string cityShown() const
  {
    const ComboBox& c = s->project.form2.Combo2;
    return c.index < 0 ? "" : c.items.at(static_cast<std::size_t>(c.index));
  }
  // The user picks a city of the shown province by its name.
  void chooseCity(const std::string& name)
  {
    const auto& items = f().Combo2.items;
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    dialog().Combo2_Click(static_cast<int>(it - items.begin()));
  }
  // Soil type 4 as its dialog leaves it.
  void chooseSoil4()
  {
    s->form3.open();
    s->form3.Option1_Click(3);
    s->form3.OK_Click();
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(SiteDialogTest, StartsOnTehranWithTheCityTehranAndA035)
{
  EXPECT_EQ(f().Combo1.items.size(), 28u);
  EXPECT_EQ(f().Combo1.index, 6);
  EXPECT_EQ(f().Combo2.items, cityNames(6));
  EXPECT_EQ(cityShown(), "تهران");
  EXPECT_EQ(f().Combo3.items.size(), 4u);
  EXPECT_TRUE(f().Option1.value);
  EXPECT_FALSE(f().Option2.value);
  EXPECT_TRUE(f().Combo1.enabled);
  EXPECT_TRUE(f().Combo2.enabled);
  EXPECT_FALSE(f().Combo3.enabled);
  EXPECT_EQ(f().Label2.caption, "A=0.35");
  EXPECT_DOUBLE_EQ(p().a, 0.35);
}

TEST_F(SiteDialogTest, NewReturnsToTehranWhateverWasChosen)
{
  dialog().Combo1_Click(kKhuzestan);
  dialog().Option2_Click();
  prompter.answer(true);
  test::newProject(*s);
  EXPECT_EQ(f().Combo1.index, 6);
  EXPECT_EQ(f().Combo2.items, cityNames(6));
  EXPECT_EQ(cityShown(), "تهران");
  EXPECT_TRUE(f().Option1.value);
  EXPECT_FALSE(f().Option2.value);
  EXPECT_FALSE(f().Combo3.enabled);
  EXPECT_TRUE(f().Combo1.enabled);
  EXPECT_EQ(f().Label2.caption, "A=0.35");
  EXPECT_DOUBLE_EQ(p().a, 0.35);
  EXPECT_EQ(f().Combo3.index, 2) << "New leaves the direct choice where it was";
}

TEST_F(SiteDialogTest, KhuzestanPreselectsAhvazThenAbadanGivesPoint2)
{
  dialog().Combo1_Click(kKhuzestan);
  EXPECT_EQ(cityShown(), "اهواز");
  EXPECT_EQ(f().Combo2.items, cityNames(kKhuzestan));
  EXPECT_DOUBLE_EQ(p().a, 0.25);
  EXPECT_EQ(f().Label2.caption, "A=0.25");
  chooseCity("آبادان");
  EXPECT_DOUBLE_EQ(p().a, 0.2);
  EXPECT_EQ(f().Label2.caption, "A=0.2");
}

TEST_F(SiteDialogTest, AstanehTakesTheValueOfItsOwnProvince)
{
  dialog().Combo1_Click(kGilan);
  chooseCity("آستانه");
  EXPECT_DOUBLE_EQ(p().a, 0.30);
  EXPECT_EQ(f().Label2.caption, "A=0.3");
  dialog().Combo1_Click(kMarkazi);
  chooseCity("آستانه");
  EXPECT_DOUBLE_EQ(p().a, 0.25);
  EXPECT_EQ(f().Label2.caption, "A=0.25");
}

TEST_F(SiteDialogTest, CitiesWithoutValueKeepTheAInForce)
{
  dialog().Combo1_Click(kKhuzestan);  // A = 0.25
  dialog().Combo1_Click(kEastAzarbayjan);
  EXPECT_EQ(cityShown(), "تبريز");
  EXPECT_DOUBLE_EQ(p().a, 0.25);
  EXPECT_EQ(f().Label2.caption, "A=0.25");

  dialog().Combo1_Click(kHormozgan);
  EXPECT_EQ(cityShown(), "بندرعباس");
  EXPECT_DOUBLE_EQ(p().a, 0.30);
  chooseCity("ميناب");
  EXPECT_DOUBLE_EQ(p().a, 0.30);
  EXPECT_EQ(f().Label2.caption, "A=0.3");
}

TEST_F(SiteDialogTest, DirectOptionShows030AndOkGivesPoint3WhateverTheCity)
{
  test::clickMainCommand(*s, 1);
  dialog().Combo1_Click(kKhuzestan);
  chooseCity("آبادان");
  dialog().Option2_Click();
  EXPECT_TRUE(f().Option2.value);
  EXPECT_FALSE(f().Option1.value);
  EXPECT_TRUE(f().Combo3.enabled);
  EXPECT_FALSE(f().Combo1.enabled);
  EXPECT_FALSE(f().Combo2.enabled);
  EXPECT_EQ(f().Combo3.index, 2);
  EXPECT_EQ(f().Combo3.items.at(2), "0.30");
  EXPECT_EQ(f().Label2.caption, "A=0.30");
  EXPECT_DOUBLE_EQ(p().a, 0.2) << "A changes at OK";
  dialog().OK_Click();
  EXPECT_DOUBLE_EQ(p().a, 0.3);
  EXPECT_EQ(f().Label2.caption, "A=0.3");
}

TEST_F(SiteDialogTest, DirectChoiceOfEachValue)
{
  dialog().Option2_Click();
  const double values[] = {0.20, 0.25, 0.30, 0.35};
  const char* labels[] = {"A=0.2", "A=0.25", "A=0.3", "A=0.35"};
  for (int k = 0; k < 4; ++k) {
    dialog().Combo3_Click(k);
    EXPECT_EQ(f().Label2.caption,
              std::string("A=") + f().Combo3.items.at(static_cast<std::size_t>(k)));
    dialog().shetab();
    EXPECT_DOUBLE_EQ(p().a, values[k]);
    EXPECT_EQ(f().Label2.caption, labels[k]);
  }
}

TEST_F(SiteDialogTest, BackToTheSiteOptionReopensTheProvinceLists)
{
  dialog().Option2_Click();
  dialog().Option1_Click();
  EXPECT_TRUE(f().Option1.value);
  EXPECT_FALSE(f().Option2.value);
  EXPECT_TRUE(f().Combo1.enabled);
  EXPECT_TRUE(f().Combo2.enabled);
  EXPECT_FALSE(f().Combo3.enabled);
  dialog().OK_Click();
  EXPECT_DOUBLE_EQ(p().a, 0.35) << "Tehran again";
}

TEST_F(SiteDialogTest, SoilType4FollowsAWhenTheSiteChangesLast)
{
  chooseSoil4();  // with Tehran's 0.35
  EXPECT_DOUBLE_EQ(p().S, 1.75);
  dialog().Combo1_Click(kKhuzestan);  // Ahvaz, 0.25
  EXPECT_DOUBLE_EQ(p().S, 2.25);
  chooseCity("دزفول");  // 0.30
  EXPECT_DOUBLE_EQ(p().S, 1.75);
  chooseCity("آبادان");  // 0.20
  EXPECT_DOUBLE_EQ(p().S, 2.25);
}

TEST_F(SiteDialogTest, SoilType4FollowsAWhenTheSoilChangesLast)
{
  dialog().Combo1_Click(kKhuzestan);  // 0.25
  chooseSoil4();
  EXPECT_DOUBLE_EQ(p().S, 2.25);
  dialog().Combo1_Click(6);  // Tehran, 0.35
  EXPECT_DOUBLE_EQ(p().S, 1.75);
}

TEST_F(SiteDialogTest, OtherSoilsKeepTheirSWhenAChanges)
{
  s->form3.Option1_Click(2);
  s->form3.OK_Click();
  ASSERT_DOUBLE_EQ(p().S, 1.75);
  dialog().Combo1_Click(kKhuzestan);
  EXPECT_DOUBLE_EQ(p().S, 1.75);
}

TEST_F(SiteDialogTest, OpensOverTheMainWindowAndOkReturns)
{
  test::clickMainCommand(*s, 1);
  EXPECT_TRUE(p().window(WindowId::Form2).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  dialog().OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form2).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
}

TEST_F(SiteDialogTest, CancelRestoresEverythingItSnapshotted)
{
  // State: Gilan / Astaneh with the soil of type 4, A = 0.30.
  dialog().Combo1_Click(kGilan);
  chooseCity("آستانه");
  chooseSoil4();
  const Form2Controls before = f();
  ASSERT_DOUBLE_EQ(p().S, 1.75);
  // Action: open, change province, city and option, then CANCEL.
  test::clickMainCommand(*s, 1);
  dialog().Combo1_Click(kKhuzestan);
  chooseCity("آبادان");
  dialog().Option2_Click();
  dialog().Combo3_Click(3);
  dialog().CANCEL_Click();
  // Expected: the dialog as it was, with its A and S.
  EXPECT_EQ(f().Combo1, before.Combo1);
  EXPECT_EQ(f().Combo2, before.Combo2);
  EXPECT_EQ(f().Combo3, before.Combo3);
  EXPECT_EQ(f().Label2, before.Label2);
  EXPECT_EQ(f().Option1, before.Option1);
  EXPECT_EQ(f().Option2, before.Option2);
  EXPECT_DOUBLE_EQ(p().a, 0.30);
  EXPECT_DOUBLE_EQ(p().S, 1.75);
  EXPECT_FALSE(p().window(WindowId::Form2).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
}

TEST_F(SiteDialogTest, CancelRestoresTheDirectChoice)
{
  dialog().Option2_Click();
  dialog().Combo3_Click(0);
  dialog().OK_Click();
  ASSERT_DOUBLE_EQ(p().a, 0.2);
  const Form2Controls before = f();
  test::clickMainCommand(*s, 1);
  dialog().Option1_Click();
  dialog().Combo1_Click(6);
  dialog().CANCEL_Click();
  EXPECT_EQ(f().Combo1, before.Combo1);
  EXPECT_EQ(f().Combo2, before.Combo2);
  EXPECT_EQ(f().Combo3, before.Combo3);
  EXPECT_EQ(f().Label2.caption, "A=0.2");
  EXPECT_TRUE(f().Option2.value);
  EXPECT_FALSE(f().Option1.value);
  EXPECT_DOUBLE_EQ(p().a, 0.2);
}

TEST_F(SiteDialogTest, PositionsOutsideTheListsSelectNothingAndKeepA)
{
  dialog().Combo1_Click(kKhuzestan);
  dialog().Combo1_Click(99);
  EXPECT_EQ(f().Combo1.index, -1);
  EXPECT_TRUE(f().Combo2.items.empty());
  EXPECT_EQ(f().Combo2.index, -1);
  EXPECT_DOUBLE_EQ(p().a, 0.25);
  dialog().Combo1_Click(6);
  dialog().Combo2_Click(-7);
  EXPECT_EQ(f().Combo2.index, -1);
  EXPECT_DOUBLE_EQ(p().a, 0.35);
  dialog().Option2_Click();
  dialog().Combo3_Click(4);
  EXPECT_EQ(f().Combo3.index, -1);
  dialog().OK_Click();
  EXPECT_DOUBLE_EQ(p().a, 0.35);
  EXPECT_EQ(f().Label2.caption, "A=0.35");
}

TEST_F(SiteDialogTest, RestoringProvinceThenCityAsTheProjectFileDoes)
{
  // The file gives the option, then the province (which refills the cities), then the city.
  dialog().Option1_Click();
  dialog().Combo1_Click(kKhuzestan);
  dialog().Combo2_Click(0);
  EXPECT_EQ(cityShown(), "آبادان");
  EXPECT_DOUBLE_EQ(p().a, 0.2);
}

}  // namespace
}  // namespace vorn
