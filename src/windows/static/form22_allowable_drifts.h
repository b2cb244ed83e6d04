#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the allowable-drift window.
namespace form22_texts {
inline constexpr const char* caption = "تغيير مكانهاي مجاز طبقات";
inline constexpr const char* label1 = "تغيير مكانهاي مجاز طبقات بدون احتساب اثر پي-دلتا";
inline constexpr const char* note =
    "نكته : تغيير مكانهاي فوق بايد با تغيير مکانهاي محل مرکز جرم طبقه کنترل و مقايسه شود";
inline constexpr const char* ok = "OK";
// Column headers: story, drift x, total x, drift y, total y.
inline constexpr std::array<const char*, 5> headers = {
    "شماره طبقه",
    "تغيير مكان نسبي مجاز طبقه براي جهت افقي",
    "تغيير مكان كل مجاز طبقه براي جهت افقي",
    "تغيير مكان نسبي مجاز طبقه براي جهت عمودي",
    "تغيير مكان كل مجاز طبقه براي جهت عمودي",
};
}  // namespace form22_texts

// Logic of the allowable-drift window: the grid is filled by RUN7; OK returns to the main
// window.
class Form22 {
public:
  explicit Form22(Session& session) : s_(session) {}
  void OK_Click();

private:
  Session& s_;
};

}  // namespace vorn
