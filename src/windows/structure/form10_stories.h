#pragma once

#include <array>
#include <string>

#include "windows/common/numeric_boxes.h"

namespace vorn {

class Session;

// Texts of the story window.
namespace form10_texts {
inline constexpr const char* caption = "تعيين ابعاد ومشخصات بارها در طبقات";
inline constexpr std::array<const char*, 11> labels = {
    "شماره طبقه نسبت به تراز پايه",
    "مساحت مفيد طبقه بر حسب متر مربع",
    "بار مرده بر حسب كيلوگرم بر متر مربع",
    "بار زنده بر حسب كيلوگرم بر متر مربع",
    "درصد مشاركت بار زنده در بازگذاري زلزله",
    "محيط ديوار پيراموني بر حسب متر",
    "ارتفاع ديوار پيراموني بر حسب متر",
    "درصد گشايش در ديوارهاي پيراموني",
    "وزن متر مربع ديوار بر حسب كيلوگرم بر متر مربع",
    "بارهاي اضافي ديگر بر حسب كيلوگرم",
    "ارتفاع نسبي طبقه برحسب متر",
};
inline constexpr const char* combo1Label = "مشخصات طبقه مشابه طبقه ";
inline constexpr const char* combo2Label = "شروع مشخصات طبقه مشابه طبقه";
inline constexpr std::array<const char*, 5> commands = {
    "طبقه قبلي",
    "طبقه بعدي",
    "انتخاب طبقه با شماره",
    "تمام طبقات مشابه اين طبقه ",
    "تمام طبقات غيرازبام مشابه اين طبقه ",
};
inline constexpr const char* penthouseNote =
    "درصورتي که وزن خرپشته بيش از 25 درصد بام است بايد به صورت يک طبقه جدا معرفي شود و در غير "
    "اينصورت وزن خرپشته به وزن بام اضافه شود ";
inline constexpr const char* storyNotEntered = "اطلاعات مربوط به اين طبقه هنوز وارد نشده است";
inline constexpr const char* wallAboveStory = "ارتفاع ديوارها نميتواند از ارتفاع طبقه بيشتر باشد";
inline constexpr std::array<const char*, 11> checkErrors = {
    "شماره طبقه بايد يك عدد صحيح مثبت باشد .لطفاً شماره طبقه را اصلاح نموده و برنامه را دوباره اجرا "
    "نماييد",
    "مساحت طبقه  بايد يك عددمثبت باشد .لطفاً مساحت طبقه را اصلاح نموده و برنامه را دوباره اجرا "
    "نماييد",
    "بار مرده بايد يك عددمثبت باشد .لطفاً بار مرده را اصلاح نموده و برنامه را دوباره اجرا نماييد",
    "بار زنده بايد يك عددمثبت باشد .لطفاً بار زنده را اصلاح نموده و برنامه را دوباره اجرا نماييد",
    "درصد مشاركت بار زنده بايد يك عددبين 0 تا 100 باشد .لطفاً درصد مشاركت بار زنده را اصلاح نموده و "
    "برنامه را دوباره اجرا نماييد",
    "طول ديوارهاي پيراموني بايد يك عددمثبت باشد .لطفاً طول ديوارهاي پيراموني را اصلاح نموده و "
    "برنامه را دوباره اجرا نماييد",
    "ارتفاع ديوارهاي پيراموني بايد يك عددمثبت باشد .لطفاً ارتفاع ديوارهاي پيراموني را اصلاح نموده و "
    "برنامه را دوباره اجرا نماييد",
    "درصد بازشودر ديوارهاي پيراموني بايد يك عددبين 0 تا 100 باشد .لطفاً درصد بازشو در ديوارهاي "
    "پيراموني را اصلاح نموده و برنامه را دوباره اجرا نماييد",
    "وزن متر مربع ديوارهاي پيراموني بايد يك عددمثبت باشد .لطفاً وزن متر مربع ديوارهاي پيراموني را "
    "اصلاح نموده و برنامه را دوباره اجرا نماييد",
    "مقدار بارهاي اضافي ديگر در طبقه بايد يك عددمثبت باشد .لطفاً مقدار بارهاي اضافي ديگر در طبقه را "
    "اصلاح نموده و برنامه را دوباره اجرا نماييد",
    "ارتفاع طبقه بايد يک عدد مثبت  باشد",
};
inline constexpr std::array<const char*, 10> leaveMessages = {
    "مساحت طبقه بايد يک عدد مثبت بزگتر از صفر باشد",
    "بار مرده طبقه بايد يک عدد مثبت  باشد",
    "بار زنده طبقه بايد يک عدد مثبت  باشد",
    "درصد مشارکت بار زنده طبقه بايد يک عدد مثبت بين 0 تا 100 باشد",
    "محيط ديوارهاي پيراموني بايد يک عدد مثبت  باشد",
    "ارتفاع ديوارهاي پيراموني بايد يک عدد مثبت بيت 0 تا 100 باشد",
    "درصد گشايش در ديوارها بايد يک عدد مثبت بين 0 تا 100 باشد",
    "وزن متر مربع ديوارهاي پيراموني بايد يک عدد مثبت  باشد",
    "بارهاي اضافي ديگر بايد يک عدد مثبت  باشد",
    "ارتفاع طبقه بايد يک عدد مثبت  باشد",
};
inline constexpr std::array<const char*, 10> defaultTexts = {
    "100", "500", "200", "20", "40", "3", "25", "450", "0", "3",
};
}  // namespace form10_texts

// Logic of the story window: the area, loads, walls and height of one story at a time, the
// moves between stories, the copies from other stories and the check that every story is
// entered before the window closes.
class Form10 {
public:
  explicit Form10(Session& session);

  // Validation flag: set by a refused `err`, read and cleared by the caller.
  bool errore = false;

  // Opened by the structure dialog for the first entry of the stories.
  void openForFirstEntry();
  // The structure dialog opened the story picker for editing: the copy buttons follow N and the
  // penthouse note the shown story.
  void setCopyButtonsAndNote();
  // The story picker chose story k: the window shows it.
  void showPickedStory(int k);

  // Reads the story number and the ten boxes, stores them into that story and checks them.
  void err();

  void Command1_Click();  // previous story
  void Command2_Click();  // next story
  void Command3_Click();  // select a story by number
  void Command4_Click();  // every story like this one
  void Command5_Click();  // every story but the roof like this one
  void APPLY_Click();
  void OK_Click();
  void CANCEL_Click();
  // A story was chosen in a picker: its position, 0 for "-".
  void Combo1_Click(int index);
  void Combo2_Click(int index);

  bool Text_LostFocus(int k, LeaveTo to = LeaveTo::Elsewhere) { return boxes_.LostFocus(k, to); }
  void Text_KeyDown(int k, BoxKey key) { boxes_.KeyDown(k, key); }

private:
  // The story number shown in Text1, 0 when it names no story of the table.
  int shownStory() const;
  // Shows story k in Text1; previous, next and the penthouse note follow it.
  void showStory(int k, const std::string& text);
  // Previous and next: story k becomes the current one, its pickers reset, its record shown.
  void goToStory(int k);
  // Refills both pickers with "-" and the stories 1 … N.
  void refillPickers();
  // Both pickers back on "-"; the boxes that a copy locked become editable again.
  void resetPickers();
  void lockBoxes(bool locked);
  // The ten boxes show the record of a story.
  void fillBoxes(int story);
  // Stores the values last read from the boxes into a story's record.
  void storeWorkingRecord(int story);
  // The closing part of OK: every story entered, else one message per missing story.
  void closeIfComplete();
  int storyCount() const;

  Session& s_;
  NumericBoxes boxes_;
  // The values last read from Text2 … Text11: AR, DL, LL, PERL, PW, HW, PERW, LW, LOD, HS.
  std::array<double, 10> working_{};
};

}  // namespace vorn
