#pragma once

#include <array>

#include "windows/common/numeric_boxes.h"

namespace vorn {

class Session;

// Texts of the structure dialog.
namespace form8_texts {
inline constexpr const char* caption = "انتخاب ابعاد و مشخصات سازه";
inline constexpr std::array<const char*, 4> checks = {
    "سازه داراي ميانقاب در جهت افقي",
    "سازه داراي ميانقاب در جهت عمودي",
    "سازه منظم",
    "محاسبه پريود ساختمان توسط فرمول تجربي",
};
inline constexpr std::array<const char*, 3> labels = {
    "پريودساختمان با استفاده از روش تحليلي بر حسب ثانيه",
    "تعداد طبقات ساختمان بالاتر از تراز پايه",
    " ارتفاع ساختمان از تراز پايه بر حسب متر",
};
inline constexpr std::array<const char*, 3> commands = {
    "راهنمايي جهت تشخيص سازه هاي منظم",
    "تعيين ابعاد ومشخصات بارهاي طبقات",
    "اصلاح ابعاد ومشخات طبقات",
};
inline constexpr const char* periodError =
    "پريود ساختمان بايد يك عدد  بزرگتر از صفر باشد.لطفاً براي پريود ساختمان يك عدد قابل قبول وارد "
    "نموده و برنامه را دوباره اجرا نماييد";
inline constexpr const char* storyCountError =
    "تعداد طبقات بايد يك عدد صحيح بزرگتر از صفر باشد.لطفاً براي تعداد طبقات يك عدد قابل قبول وارد "
    "نموده و برنامه را دوباره اجرا نماييد";
inline constexpr const char* heightError = "ارتفاع ساختمان بايد يک عدد مثبت  بزرکتر از صفر باشد";
inline constexpr const char* periodLeave = "مقدار پريود بايد يک عدد مثبت بزگتر از صفر باشد";
inline constexpr const char* storyCountLeave =
    "تعداد طبقات بايد يک عدد مثبت صحيح بزرکتر از صفر باشد";
inline constexpr const char* heightLeave = "ارتفاع ساختمان بايد يک عدد مثبت  بزرکتر از صفر باشد";
inline constexpr const char* storyMissingBefore = "مشخصات ابعاد و بارهاي طبقه شماره";
inline constexpr const char* storyMissingAfter =
    "وارد نشده است. لطفاً مشخصات اين طبقه را نيز وارد نموده و سپس به فرم اصلي برنامه باز گرديد";
inline constexpr const char* heightMismatch =
    "ارتفاع سازه از تراز پايه با مجموع ارتفاع طبقات همخواني ندارد .لطفاً ارتفاع سازه يا ارتفاع "
    "طبقات را مورد باز بيني قرار داده وسپس به فرم اصلي برنامه بازگرديد";
// The story tables hold 200 stories.
inline constexpr const char* storyCountLimit =
    "تعداد طبقات ساختمان نبايد بيشتر از 200 باشد.لطفاً براي تعداد طبقات يك عدد قابل قبول وارد "
    "نموده و برنامه را دوباره اجرا نماييد";
}  // namespace form8_texts

// Logic of the structure dialog: the building's period, story count and height, its infill,
// regularity and period method, the gateway to the story data and the check that every story is
// entered and the story heights add up to the building height.
class Form8 {
public:
  explicit Form8(Session& session);

  // Validation flag: set by a refused `err`, read and cleared by the caller.
  bool errore = false;

  // The main window's button: snapshot, main window disabled, dialog shown.
  void open();
  // Snapshot of the check boxes, the three texts, N, H1, T and the whole story table.
  void def();
  // Writes the snapshot back and resets the story window's boxes and the two story buttons.
  void candef();
  // Reads T, N and H1 from the boxes and checks them.
  void err();

  // The user ticked or cleared a check box (1 … 4).
  void Check_Click(int k, int value);
  // The empirical-period box decides whether the analytical period can be typed; the project
  // file reader calls this after restoring Check4.
  void Check4_Click();

  void Command1_Click();  // help on regular buildings
  void Command2_Click();  // first entry of the stories
  void Command3_Click();  // editing the stories
  void OK_Click();
  void CANCEL_Click();

  bool Text_LostFocus(int k, LeaveTo to = LeaveTo::Elsewhere) { return boxes_.LostFocus(k, to); }
  void Text_KeyDown(int k, BoxKey key) { boxes_.KeyDown(k, key); }

private:
  Session& s_;
  NumericBoxes boxes_;
};

}  // namespace vorn
