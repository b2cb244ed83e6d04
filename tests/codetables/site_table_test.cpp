#include "codetables/site_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace vorn {
namespace {

int cityIndex(int province, const std::string& name)
{
  const auto cities = cityNames(province);
  const auto it = std::find(cities.begin(), cities.end(), name);
  return it == cities.end() ? -1 : static_cast<int>(it - cities.begin());
}

TEST(SiteTable, HoldsTheTwentyEightProvincesInTheirListOrder)
{
  const auto names = provinceNames();
  ASSERT_EQ(names.size(), 28u);
  EXPECT_EQ(names[0], "آذربايجان شرقي");
  EXPECT_EQ(names[6], "تهران");
  EXPECT_EQ(names[9], "خوزستان");
  EXPECT_EQ(names[21], "گيلان");
  EXPECT_EQ(names[24], "مركزي");
  EXPECT_EQ(names[25], "هرمزگان");
  EXPECT_EQ(names[27], "يزد");
}

// Per province: how many cities the table gives A = 0.35, 0.30, 0.25, 0.20, and how many have no
// value, counted from the province rows of the site table.
struct Counts {
  int a35, a30, a25, a20, none;
};
constexpr std::array<Counts, 28> kCounts = {{
    {2, 4, 1, 0, 1},  {1, 6, 5, 0, 0},  {0, 7, 0, 0, 0},  {1, 14, 9, 0, 0},  {0, 0, 5, 0, 0},
    {0, 2, 7, 0, 0},  {11, 0, 0, 0, 0}, {2, 6, 0, 0, 0},  {15, 25, 3, 0, 0}, {0, 11, 8, 4, 0},
    {1, 5, 0, 0, 0},  {2, 9, 0, 0, 0},  {0, 19, 4, 0, 0}, {0, 21, 3, 0, 0},  {3, 1, 0, 0, 0},
    {1, 3, 0, 0, 0},  {2, 3, 2, 0, 0},  {3, 17, 1, 0, 0}, {2, 9, 0, 0, 0},   {0, 4, 0, 0, 0},
    {0, 8, 0, 0, 0},  {3, 11, 0, 0, 0}, {3, 2, 1, 0, 0},  {1, 17, 0, 0, 0},  {0, 4, 6, 0, 0},
    {0, 10, 1, 0, 1}, {1, 3, 2, 0, 0},  {0, 6, 8, 0, 0},
}};

TEST(SiteTable, EveryProvinceHasItsCitiesWithTheirZones)
{
  int total = 0;
  for (int p = 0; p < 28; ++p) {
    Counts got{};
    const auto cities = cityNames(p);
    EXPECT_EQ(std::set<std::string>(cities.begin(), cities.end()).size(), cities.size())
        << "a city twice in province " << p;
    for (int c = 0; c < static_cast<int>(cities.size()); ++c) {
      const auto a = cityA(p, c);
      if (!a) {
        ++got.none;
      } else if (*a == 0.35) {
        ++got.a35;
      } else if (*a == 0.30) {
        ++got.a30;
      } else if (*a == 0.25) {
        ++got.a25;
      } else if (*a == 0.20) {
        ++got.a20;
      } else {
        ADD_FAILURE() << "A " << *a << " in province " << p;
      }
    }
    const Counts& want = kCounts[static_cast<std::size_t>(p)];
    EXPECT_EQ(got.a35, want.a35) << "province " << p;
    EXPECT_EQ(got.a30, want.a30) << "province " << p;
    EXPECT_EQ(got.a25, want.a25) << "province " << p;
    EXPECT_EQ(got.a20, want.a20) << "province " << p;
    EXPECT_EQ(got.none, want.none) << "province " << p;
    total += static_cast<int>(cities.size());
  }
  EXPECT_EQ(total, 353);
}

struct CityCase {
  int province;
  const char* city;
  double a;
};

TEST(SiteTable, GivesEachCityTheValueOfItsOwnProvince)
{
  const CityCase cases[] = {
      {21, "آستانه", 0.30},      {24, "آستانه", 0.25},
      {3, "اردستان", 0.30},      {27, "اردستان", 0.30},
      {2, "فيروزآباد", 0.30},    {13, "فيروزآباد", 0.30},
      {9, "اهواز", 0.25},        {9, "آبادان", 0.20},
      {9, "دزفول", 0.30},        {6, "تهران", 0.35},
      {8, "طبس", 0.35},          {8, "سرخس", 0.25},
      {14, "آب گرم(آوج)", 0.30}, {13, "نورآباد(ممسني)", 0.30},
      {17, "رفسنحان", 0.30},     {1, "قره ضياءالدين", 0.30},
      {27, "عقداء", 0.25},       {25, "گاوبندي", 0.25},
  };
  for (const CityCase& c : cases) {
    const int index = cityIndex(c.province, c.city);
    ASSERT_GE(index, 0) << c.city;
    const auto a = cityA(c.province, index);
    ASSERT_TRUE(a.has_value()) << c.city;
    EXPECT_DOUBLE_EQ(*a, c.a) << c.city << " in province " << c.province;
  }
}

TEST(SiteTable, TabrizAndMinabAreListedWithoutValue)
{
  const int tabriz = cityIndex(0, "تبريز");
  const int minab = cityIndex(25, "ميناب");
  ASSERT_GE(tabriz, 0);
  ASSERT_GE(minab, 0);
  EXPECT_FALSE(cityA(0, tabriz).has_value());
  EXPECT_FALSE(cityA(25, minab).has_value());
}

TEST(SiteTable, PreselectsTheCityOfEachProvince)
{
  const std::array<const char*, 28> preselected = {
      "تبريز",  "اروميه",   "اردبيل", "اصفهان", "ايلام",    "بوشهر",  "تهران",
      "شهركرد", "مشهد",     "اهواز",  "زنجان",  "سمنان",    "زاهدان", "شيراز",
      "قزوين",  "قم",       "سنندج",  "كرمان",  "كرمانشاه", "ياسوج",  "گرگان",
      "رشت",    "خرم آباد", "ساري",   "اراك",   "بندرعباس", "همدان",  "يزد"};
  for (int p = 0; p < 28; ++p) {
    const int k = preselectedCityIndex(p);
    ASSERT_GE(k, 0) << "province " << p;
    EXPECT_EQ(cityNames(p).at(static_cast<std::size_t>(k)),
              preselected[static_cast<std::size_t>(p)]);
  }
}

TEST(SiteTable, PositionsOutsideTheListsGiveNothing)
{
  EXPECT_TRUE(cityNames(-1).empty());
  EXPECT_TRUE(cityNames(28).empty());
  EXPECT_EQ(preselectedCityIndex(28), -1);
  EXPECT_FALSE(cityA(6, -1).has_value());
  EXPECT_FALSE(cityA(6, static_cast<int>(cityNames(6).size())).has_value());
  EXPECT_FALSE(cityA(-1, 0).has_value());
}

}  // namespace
}  // namespace vorn
