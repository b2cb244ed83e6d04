#pragma once

#include <array>

#include "windows/common/numeric_boxes.h"

namespace vorn {

class Session;

// Texts of the per-story torsion window.
namespace form16_texts {
inline constexpr const char* caption = "تعيين مختصات مركز جرم و مركز سختي طبقات";
// Labels of Text1 … Text9.
inline constexpr std::array<const char*, 9> labels = {
    "شماره طبقه",
    "فاصله افقي مركز جرم و مبدا بر حسب متر",
    "فاصله عمودي مركز جرم و مبدا بر حسب متر",
    "فاصله افقي مركز سختي و مبدا بر حسب متر",
    "فاصله عمودي مركز سختي و مبدا بر حسب متر",
    "بعد متوسط افقي طبقه بر حسب متر",
    "بعد متوسط عمودي طبقه بر حسب متر",
    "ضريب بزرگنمايي برون محوري اتفاقي در جهت افقي Ajx=",
    "ضريب بزرگنمايي برون محوري اتفاقي در جهت عمودي Ajy=",
};
inline constexpr const char* note =
    "توضيح: گوشه سمت چپ سازه به عنوان مبدا مختصات در نظر گرفته شده است و تمامي اندازه ها بايد با "
    "علامت مثبت وارد شوند";
inline constexpr std::array<const char*, 4> commands = {
    "طبقه قبلي",
    "طبقه بعدي",
    "انتخاب طبقه با شماره",
    "تمام طبقات مشابه اين طبقه",
};
// Validation: a negative size, then a centre beyond the plan or a factor outside 1 to 3.
inline constexpr const char* sizesPositive =
    "كليه اندازه ها بايد مثبت باشد. لطفاً اندازه ها را اصلاح نموده و سپس به فرم اصلي برنامه "
    "بازگرديد";
inline constexpr const char* centresBeyondPlan =
    "مختصات مركز جرم و مركز سختي سازه نبايد بزرگتر از بعد افقي و عمودي سازه باشد. لطفاً اندازه ها "
    "را اصلاح نموده و سپس به فرم اصلي برنامه بازگرديد";
// A story without centres: the first text, the story number, the second text.
inline constexpr const char* storyMissingBefore = "اطلاعات مربوط به طبقه شماره ";
inline constexpr const char* storyMissingAfter =
    " وارد نشده است .لطفاً اطلاعات مربوط به اين طبقه را نيز وارد نموده و سپس به فرم اصلي بازگرديد";
// Leaving Text2 … Text7, then Text8 or Text9, with a value they do not accept.
inline constexpr std::array<const char*, 6> leaveMessages = {
    "مقدار فاصله افقي مرکز جرم از مبدا بايد عددي مثبت و کوچکتر از بعد افقي سازه باشد.لطفآ اين "
    "مقدار را اصلاح نماييد",
    "مقدار فاصله عمودي مرکز جرم از مبدا بايد عددي مثبت و کوچکتر از بعد عمودي سازه باشد.لطفآ اين "
    "مقدار را اصلاح نماييد",
    "مقدار فاصله افقي مرکز سختي از مبدا بايد عددي مثبت و کوچکتر از بعد افقي سازه باشد.لطفآ اين "
    "مقدار را اصلاح نماييد",
    "مقدار فاصله عمودي مرکز سختي از مبدا بايد عددي مثبت و کوچکتر از بعد عمودي سازه باشد.لطفآ اين "
    "مقدار را اصلاح نماييد",
    "مقدار بعد افقي سازه بايد عددي مثبت باشد.لطفآ اين مقدار را اصلاح نماييد",
    "مقدار بعد عمودي سازه بايد عددي مثبت باشد.لطفآ اين مقدار را اصلاح نماييد",
};
inline constexpr const char* factorLeave =
    "مقدار ضريب بزرگنمايي بايد بين 1 و 3 باشد.لطفآ مقدار اين ضريب را اصلاح نماييد";
}  // namespace form16_texts

// Logic of the per-story torsion window: the centres of mass and rigidity, the average plan
// dimensions and the amplification factors of one story at a time, the moves between stories,
// the copy to every story and the check that every story is entered before it closes.
class Form16 {
public:
  explicit Form16(Session& session);

  // Validation flag: set by a refused `err`, read and cleared by the caller.
  bool errore = false;

  // The picker chose story k: the window shows it, filled from its stored centres or, for a
  // story never entered, with the centres in the middle of the plan, the plan dimensions and
  // factors of 1; then takes its snapshot and puts the focus on the first box.
  void showPickedStory(int k);
  // Remembers the numeric values of the eight boxes for CANCEL and for a refused box; a refused
  // value left in a box is reported afresh.
  void def();
  // Reads the eight boxes and checks them: every size at least zero, then the centres within
  // the plan of the torsion data dialog and the factors from 1 to 3. One message per step.
  void err();

  void Command1_Click();  // previous story
  void Command2_Click();  // next story
  void Command3_Click();  // pick a story by number
  void Command4_Click();  // every story like this one
  void APPLY_Click();
  void OK_Click();
  void CANCEL_Click();

  bool Text_LostFocus(int k, LeaveTo to = LeaveTo::Elsewhere);
  void Text_KeyDown(int k, BoxKey key);

private:
  // The story number shown in Text1, 0 when it names no story of the building.
  int shownStory() const;
  // Shows story k in Text1; previous and next follow it.
  void showStory(int k);
  // The eight boxes show the stored values of a story.
  void fillBoxes(int story);
  // Stores the eight values last read into a story and marks it entered.
  void store(int story);
  // Validation of APPLY, OK and the copy to every story: true when the values were accepted.
  bool validated();

  Session& s_;
  NumericBoxes boxes_;
  // The values last read from Text2 … Text9: CMx, CMy, CRx, CRy, DIMx, DIMy, Ajx, Ajy.
  std::array<double, 8> working_{};
};

}  // namespace vorn
