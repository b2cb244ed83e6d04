#pragma once

#include "windows/common/numeric_boxes.h"

namespace vorn {

class Session;

// Texts of the design-spectrum dialog.
namespace form19_texts {
inline constexpr const char* caption = "ورود اطلاعات جهت تعيين طيف طرح براي تحلليل ديناميكي طيفي";
inline constexpr const char* label1 = "پريود بيشينه مورد نظر بر حسب ثانيه";
inline constexpr const char* label2 = "گام افزايش پريود  بر حسب ثانيه";
inline constexpr const char* ok = "ok";
inline constexpr const char* cancel = "cancel";
inline constexpr const char* picture1 = "#.#";
inline constexpr const char* picture2 = "#.##";
// Validation of OK, in this order.
inline constexpr const char* tmaxNotPositive =
    "پريود بيشينه بايد يك عدد مثبت باشد .لطفاً مقدار پريود بيشينه را اصلاح نموده و سپس به فرم اصلي "
    "برنامه بازگرديد";
inline constexpr const char* tstepNotPositive =
    "گام افزايش پريود  بايد يك عدد مثبت باشد .لطفاً مقدار گام افزايش پريود بيشينه را اصلاح نموده و "
    "سپس به فرم اصلي برنامه بازگرديد";
inline constexpr const char* stepAboveMaximum =
    "گام افزايش پريود نميتواند بزرگتر از پريود بيشينه اختيار شود.لطفاً مقدار گام افزايش پريود را "
    "اصلاح نموده و سپس به فرم اصلي برنامه بازگرديد";
inline constexpr const char* tooManyRows =
    "تعداد رديفهاي جدول طيف بيش از حد مجاز ميباشد .لطفاً مقدار گام افزايش پريود را اصلاح نموده و "
    "سپس به فرم اصلي برنامه بازگرديد";
// Leaving a box with a value that is not positive.
inline constexpr const char* text1Leave =
    "پريود بيشينه مورد نظر بر حسب ثانيه بايد يک عدد مثبت باشد";
inline constexpr const char* text2Leave = "گام افزايش پريود  بر حسب ثانيه  بايد يک عدد مثبت باشد";
}  // namespace form19_texts

// Opens the design-spectrum dialog over the main window and takes its snapshot.
void RUN4(Session& session);

// Logic of the design-spectrum dialog: TMAX and TSTEP, then RUN5 builds the table and shows it
// in the spectrum window in the dialog's place.
class Form19 {
public:
  explicit Form19(Session& session);

  // Records the numeric values of the two boxes for CANCEL and for a refused box.
  void def();
  // Writes the recorded values back into the two boxes.
  void candef();
  // Reads the two boxes into TMAX and TSTEP (stored even when refused) and checks them; the
  // first failing check is shown, its box gets the focus and errore is set.
  void err();
  // Validates; when valid, builds the table, shows the spectrum window in the dialog's place,
  // makes it available to the report and clears errore. A table whose coefficients are not
  // finite numbers is not built: the message for invalid data, and the dialog stays.
  void RUN5();

  void OK_Click() { RUN5(); }
  // Restores the boxes and returns to the main window; TMAX and TSTEP stay as they are.
  void CANCEL_Click();

  // Box events: Text1 (TMAX) and Text2 (TSTEP).
  bool Text_LostFocus(int k, LeaveTo to = LeaveTo::Elsewhere) { return boxes_.LostFocus(k, to); }
  void Text_KeyDown(int k, BoxKey key) { boxes_.KeyDown(k, key); }

  // Set by err when the values were refused.
  bool errore = false;

private:
  Session& s_;
  NumericBoxes boxes_;
};

}  // namespace vorn
