#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorn {

// One city of the site table with its design base acceleration A (a fraction of g); a is 0 for
// the two cities the table gives no value ("تبريز" and "ميناب").
struct SiteCity {
  const char* name;
  double a;
};

// One province: its name, the city preselected when the province is chosen and its cities in
// the order of the city list.
struct SiteProvince {
  const char* name;
  const char* preselected;
  std::span<const SiteCity> cities;
};

inline constexpr int kProvinceCount = 28;
// "تهران": the province the site dialog shows at start and after New.
inline constexpr int kStartProvince = 6;

// The 28 provinces in the order of the province list.
std::span<const SiteProvince> siteProvinces();

// Items of the province list.
std::vector<std::string> provinceNames();
// Items of the city list of a province; empty for a position outside the province list.
std::vector<std::string> cityNames(int province);
// Position of the province's preselected city in its city list; -1 outside the province list.
int preselectedCityIndex(int province);
// A of the city at a position of the province's city list; nothing when the position is outside
// the lists or the city has no value in the table.
std::optional<double> cityA(int province, int city);

// The directly chosen values of A, in the order of their list.
inline constexpr std::array<const char*, 4> kDirectAItems = {"0.20", "0.25", "0.30", "0.35"};
inline constexpr std::array<double, 4> kDirectAValues = {0.20, 0.25, 0.30, 0.35};
std::vector<std::string> directAItems();

}  // namespace vorn
