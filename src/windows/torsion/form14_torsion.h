#pragma once

#include "windows/common/numeric_boxes.h"

namespace vorn {

class Session;

// Texts of the torsion data dialog.
namespace form14_texts {
inline constexpr const char* caption = "ورود اطلاعات جهت محاسبه پيچش و واژگوني";
inline constexpr const char* label1 = "بعد افقي سازه با احتساب بيرون آمدگي پيها برحسب متر";
inline constexpr const char* label2 = "بعد عمودي سازه با احتساب بيرون آمدگي پيها بر حسب متر";
inline constexpr const char* label3 = "ضخامت پي بر حسب متر";
inline constexpr const char* heading = "ضريب بزرگنمايي جهت ساختمانهاي نامنظم ";
inline constexpr const char* option0 = "ورود ضريب بزرگنمايي به وسيله کاربر";
inline constexpr const char* option1 =
    "محاسبه ضريب بزرگنمايي با توجه به تغيير مکانهاي طبقات توسط نرم افزار";
inline constexpr const char* command1 = "تعيين مختصات مركز جرم و مركز سختي طبقات";
inline constexpr const char* sizesPositive =
    "كليه اندازه ها بايد مثبت باشند. لطفاً اندازه هاي وارد شده را اصلاح نموده و سپس به فرم اصلي "
    "برنامه بازگرديد.";
// A story without centres: the first text, the story number, the second text.
inline constexpr const char* storyMissingBefore = "اندازه هاي مربوط به طبقه شماره";
inline constexpr const char* storyMissingAfter =
    "وارد نشده است .لطفاً اين اندازه ها را نيز وارد نموده وسپس به فرم اصلي برنامه بازگرديد";
// Leaving a box with a value that is not positive.
inline constexpr const char* dimensionLeave = "بعد سازه بايد يک عدد مثبت بزرگتر از صفر باشد";
inline constexpr const char* thicknessLeave = "ضخامت فونداسيون بايد يک عدد مثبت بزرگتر از صفر باشد";
}  // namespace form14_texts

// Heights of the dialog: without the option pair (regular building) and with it.
inline constexpr int kForm14RegularHeightTwips = 3000;
inline constexpr int kForm14IrregularHeightTwips = 4740;

// Logic of the torsion data dialog: the plan dimensions and the foundation thickness for the
// overturning check, the way the amplification factors are obtained, the gateway to the centres
// of the stories and the check that every story has them before the dialog closes.
class Form14 {
public:
  explicit Form14(Session& session);

  // Validation flag: set by a refused `err`, read and cleared by the caller.
  bool errore = false;

  // The main window's button: snapshot, main window disabled, dialog shown at the height that
  // fits the building (the option pair only for an irregular building).
  void open();
  // Snapshot of the three values, the option, the centres and the entered flags of all stories.
  void def();
  // Writes the snapshot back.
  void candef();
  // Reads the three boxes; when all are above zero stores FDIMx, FDIMy, FTHK, otherwise shows
  // one message, asks for the focus on the first offending box and stores nothing.
  void err();

  // An option of the pair was chosen (0: factors typed, 1: computed from the drifts). The project
  // file reader calls this when it restores the pair.
  void Option1_Click(int index);
  void Command1_Click();  // the centres of the stories, through the story picker
  void OK_Click();
  void CANCEL_Click();

  bool Text_LostFocus(int k, LeaveTo to = LeaveTo::Elsewhere) { return boxes_.LostFocus(k, to); }
  void Text_KeyDown(int k, BoxKey key) { boxes_.KeyDown(k, key); }

  // The number of stories the dialogs work on (N, kept within the tables).
  int storyCount() const;
  // Whether the building is marked regular in the structure dialog.
  bool regular() const;

private:
  Session& s_;
  NumericBoxes boxes_;
};

}  // namespace vorn
