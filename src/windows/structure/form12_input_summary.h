#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the input summary.
namespace form12_texts {
inline constexpr const char* caption = "مشاهده خلاصه اطلاعات ورودي";
inline constexpr std::array<const char*, 11> headings = {
    "شماره طبقه",
    "مساحت مفيد طبقه",
    "بارمرده ",
    "بارزنده ",
    "درصدمشاركت بار زنده",
    "محيط ديوار پيراموني",
    "ارتفاع ديوارهاي پيراموني",
    "درصد گشايش در ديوارهاي پيراموني",
    "وزن متر مربع ديوار پيراموني",
    "بارهاي اضافي ديگر",
    "ازتفاع نسبي طبقه",
};
inline constexpr const char* gridTitle = "خلاصه مشخصات ابعاد و بارهاي طبقات-واحد:كيلوگرم ومتر";
inline constexpr std::array<const char*, 4> zones = {
    "منطقه با خطر نسبي كم",
    "منطقه با خطر نسبي متوسط",
    "منطقه با خطر نسبي زياد",
    "منطقه با خطر نسبي خيلي زياد",
};
inline constexpr const char* infillX = "سازه داراي ميانقاب در جهت افقي";
inline constexpr const char* noInfillX = "سازه بدون ميانقاب در جهت افقي";
inline constexpr const char* infillY = "سازه داراي ميانقاب در جهت عمودي";
inline constexpr const char* noInfillY = "سازه بدون ميانقاب در جهت عمودي";
inline constexpr const char* regular = "سازه منظم";
inline constexpr const char* irregular = "سازه نامنظم";
inline constexpr const char* empirical = "محاسبه پريودسازه با فرمول تجربي";
inline constexpr const char* analytical = "محاسبه پريودسازه با فرمول تحليلي";
}  // namespace form12_texts

// Logic of the input summary: the general choices as labels and the stories as a grid, rebuilt
// from the project and the input dialogs every time the main window asks for it.
class Form12 {
public:
  explicit Form12(Session& session) : s_(session) {}

  // The main window's button: main window disabled, summary filled and shown.
  void fill();
  void OK_Click();

private:
  Session& s_;
};

}  // namespace vorn
