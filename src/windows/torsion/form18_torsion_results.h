#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the torsion results window.
namespace form18_texts {
inline constexpr const char* caption = "مشاهده نتايج محاسبات واژگوني و لنگرهاي پيچشي";
inline constexpr const char* unitLabel = "واحد: كيلوگرم ومتر";
inline constexpr std::array<const char*, 13> headers = {
    "شماره طبقه",
    "فاصله افقي مركز جرم و مركز سختي",
    "فاصله عمودي مركز جرم و مركز سختي",
    "خروج از مركزيت اتفاقي افقي مركز جرم",
    "خروج از مركزيت اتفاقي عمودي مركز جرم",
    "لنگر پيچشي طبقه براي برش افقي",
    "لنگر پيچشي اتفاقي طبقه براي برش افقي",
    "لنگر پيچشي كل طبقه براي برش افقي",
    "لنگر پيچشي طبقه براي برش عمودي",
    "لنگر پيچشي اتفاقي طبقه براي برش عمودي",
    "لنگر پيچشي كل طبقه براي برش عمودي",
    "ضريب بزرگنمايي خروج از محوريت اتفاقي در جهت افقي",
    "ضريب بزرگنمايي خروج از محوريت اتفاقي در جهت عمودي",
};
// Each label is its text followed by its value.
inline constexpr const char* heightFromFoundation = "ارتفاع سازه از روي پي =";
inline constexpr const char* overturningX = "لنگر محرك جهت افقي =";
inline constexpr const char* overturningY = "لنگر محرك جهت عمودي =";
inline constexpr const char* resistingX = "لنگر مقاوم جهت افقي =";
inline constexpr const char* resistingY = "لنگر مفاوم جهت عمودي =";
inline constexpr const char* safetyX = "ضريب اطمينان در برابر واژگوني در جهت افقي =";
inline constexpr const char* safetyY = "ضريب اطمينان در برابر واژگوني در جهت عمودي =";
inline constexpr const char* safe = ">1.75 , ok";
inline constexpr const char* unsafe = "<1.75 , not good";
// The torsion-neglect conclusion.
inline constexpr const char* tooTall = "از اثرات پيچش در سازه نميتوان صرفنظر كرد ";
inline constexpr const char* ignorable = "از اثرات پيچش  در سازه ميتوان صرفنظر كرد ";
inline constexpr const char* ignorableForY =
    "از اثرات پيچش  براي زلزله در جهت عمودي  سازه  ميتوان صرفنظر كرد ";
inline constexpr const char* ignorableForX =
    "از اثرات پيچش  براي زلزله در جهت افقي  سازه  ميتوان صرفنظر كرد ";
inline constexpr const char* notIgnorable = "از اثرات  پيچش  نميتوان صرفنظر كرد ";
inline constexpr const char* ok = "OK";
}  // namespace form18_texts

// Logic of the torsion results window: the run fills it and shows it over the main window; OK
// goes back to the main window.
class Form18 {
public:
  explicit Form18(Session& session) : s_(session) {}

  void OK_Click();
  // The window frame's close button does what OK does.
  void Form_QueryUnload() { OK_Click(); }

private:
  Session& s_;
};

}  // namespace vorn
