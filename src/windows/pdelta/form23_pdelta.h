#pragma once

#include <array>
#include <string>

#include "windows/common/numeric_boxes.h"

namespace vorn {

class Session;

// Texts of the P-Delta dialog.
namespace form23_texts {
inline constexpr const char* caption = "ورود اطلاعات  جهت محاسبه پي-دلتا";
inline constexpr const char* text1Label = "شماره طبقه";
inline constexpr const char* rowX = "تغيير مكان نسبي جهت افقي ";
inline constexpr const char* rowY = "تغيير مكان نسبي جهت عمودي";
inline constexpr const char* averageColumn = "تغيير مکان ميانگين طبقه";
inline constexpr const char* maximumColumn = "تغيير مکان حداکثر طبقه";
inline constexpr const char* unit = "cm";
inline constexpr std::array<const char*, 5> commands = {
    "طبقه قبلي",
    "طبقه بعدي",
    "انتخاب طبقه با شماره",
    "مشاهده خلاصه اطللاعات ورودي و نتايج",
    "تمام طبقات مشابه اين طبقه",
};
inline constexpr const char* apply = "APPLY";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
// What a drift box shows when the dialog opens on a story without drifts.
inline constexpr const char* defaultDrift = "1.5";
inline constexpr const char* picture = "#.##";

// Validation of a store.
inline constexpr const char* negativeAverage =
    "براي تغيير مكانهاي طبقات بايد مقادير مثبت وارد شوند.لطفاً مقادير تغيير مكانهاي طبقه را اصلاح "
    "نماييد";
inline constexpr const char* negativeAverageTitle = "errore box";
inline constexpr const char* maximumBelowAverage =
    "مقدار تغيير مکان ماکسيمم نميتواند از مقدار تغيير مکان ميانگين طبقه کمتر باشد";
// OK with a story not entered: the first part, the story number, the second part.
inline constexpr const char* storyMissingBefore = "تغيير مكانهاي طبقهء شماره ";
inline constexpr const char* storyMissingAfter =
    "وارد نشده است . لطفاً تغيير مكانهاي اين طبقه را نيز وارد نموده و سپس به فرم اصلي برنامه "
    "بازگرديد";
inline constexpr const char* storyMissingTitle = "ERRORE BOX";
// Leaving a drift box with a negative value.
inline constexpr const char* negativeLeave =
    "مقدار تغيير مکانها را به صورت يک عدد مثبت وارد نماييد";
}  // namespace form23_texts

// Prepares the P-Delta dialog and opens it over the main window: its snapshot, the buttons by
// the story count, story 1 shown, the maximum-drift boxes by the regularity of the building and
// the results button when every story has its drifts.
void run8(Session& session);

// Logic of the P-Delta dialog: the average and maximum drifts of every story, typed in cm and
// stored in m, and RUN6, the stability check of every story.
class Form23 {
public:
  explicit Form23(Session& session);

  // Validation flag: set by a refused `err`, read and cleared by the caller.
  bool errore = false;

  // Records the numeric values of the five boxes and the drifts of every story for CANCEL; a
  // negative drift left in a box is reported afresh.
  void def();
  // Writes the recorded values back into the boxes and the drifts.
  void candef();
  // Checks the four drift boxes: averages not negative, each maximum (when its box is enabled)
  // not below its average. Every failed check shows its message and sets errore.
  void err();

  // The P-Delta check of stories 1 … N: gravity load, story shears, stability coefficients and
  // the verdicts, written into the project and into the results window, which is shown over
  // the dialog.
  void RUN6();

  void Command1_Click();  // previous story
  void Command2_Click();  // next story
  void Command3_Click();  // pick a story by number
  void Command4_Click() { RUN6(); }
  void Command5_Click();  // every story like this one
  void APPLY_Click();
  void OK_Click();
  void CANCEL_Click();
  // The window frame's close button does what CANCEL does.
  void Form_QueryUnload() { CANCEL_Click(); }

  // The story picker chose story k.
  void showPickedStory(int k);

  bool Text_LostFocus(int k, LeaveTo to = LeaveTo::Elsewhere) { return boxes_.LostFocus(k, to); }
  void Text_KeyDown(int k, BoxKey key) { boxes_.KeyDown(k, key); }

  // Stories 1 … N that the dialog works on (1 when N names no story of the table).
  int storyCount() const;

private:
  // The story named by Text1, 0 when it names none.
  int shownStory() const;
  // Shows story k: its number, its drifts when entered, previous and next by its place.
  void showStory(int k, const std::string& text);
  // The drifts typed in the boxes (cm) stored into story k (m), which becomes entered.
  void store(int k);
  bool allEntered() const;
  // Closes the dialog after every story has its drifts.
  void closeComplete();

  Session& s_;
  NumericBoxes boxes_;
};

}  // namespace vorn
