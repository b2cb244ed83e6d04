#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/controls.h"
#include "model/windows.h"

namespace vorn {

struct Project;
class Prompter;

// Caption of the validation messages of the numeric dialogs.
inline constexpr const char* kValidationTitle = "ERRORE BOX";

// The keys a numeric box hands to its dialog. Enter and Down move the focus to the next box of
// the dialog's ring, Up to the previous one; any other key does nothing.
enum class BoxKey { Enter, Down, Up, Other };

// Where the user takes the focus out of a box: to a command of the same dialog (a push button),
// or anywhere else (another box, another control).
enum class LeaveTo { Elsewhere, Command };

// What a box accepts when the user leaves it.
using Accepts = std::function<bool(double)>;
Accepts above(double low);                // value > low
Accepts atLeast(double low);              // value >= low
Accepts within(double low, double high);  // low <= value <= high

// The text a refused box gets back.
using RestoreText = std::function<std::string()>;
RestoreText fixedText(std::string text);

// The shared behaviour of the numeric edit boxes of an input dialog:
//
//  - leaving a box reformats its text with the box's picture and checks the value; a refused
//    value shows the box's message under the program's title, puts the focus back on the box
//    and gives it its restore text;
//  - a box declared with `keep` has no restore text: a refused value stays in it for the
//    dialog's validation to refuse when it is stored. Such a box (and a box whose restore text
//    it refuses as well) must not hold the user: its message comes once for one value (leaving
//    it again with the same value says nothing and lets the focus go), and the focus is not
//    taken back from a command of the dialog, which then runs, so that CANCEL always closes
//    and APPLY and OK refuse the value with their own message;
//  - Enter / Down / Up move the focus along the dialog's ring of boxes (the order in which the
//    boxes were declared), skipping disabled boxes; the box being left is checked first and a
//    refusal keeps the focus where it is;
//  - the validation of the dialog (`err`) reads every box by its numeric value and runs its
//    checks with `check`: every failed check shows its message under "ERRORE BOX", asks for the
//    focus on its box and sets the dialog's `errore`; the following checks still run, so the
//    focus ends on the last offending box.
//
// A dialog declares each box in one line, in ring order, and routes its events here:
//
//   Form23::Form23(Session& s)
//       : boxes_(s.project, s.prompter, WindowId::Form23,
//                [&p = s.project](int k) -> TextBox& { return p.form23.Text[k]; })
//   {
//     //          box picture  accepts        message                  restore text
//     boxes_.add(2, "##.##", atLeast(0),    form23_texts::driftLeave, fixedText("1.5"))
//           .keep(3, "##.##", atLeast(0),    form23_texts::driftLeave);
//   }
//   bool Form23::Text_LostFocus(int k, LeaveTo to) { return boxes_.LostFocus(k, to); }
//   void Form23::Text_KeyDown(int k, BoxKey key) { boxes_.KeyDown(k, key); }
//   void Form23::err()
//   {
//     const double d = boxes_.value(2);
//     boxes_.check(d >= 0, 2, form23_texts::driftError, errore);
//   }
//
// The view hands the boxes' focus losses and keys over with NumericBoxEvents
// (numeric_boxes_view.h).
class NumericBoxes {
public:
  // The text box of a box number (its control is named "Text<number>").
  using BoxAccess = std::function<TextBox&(int number)>;

  NumericBoxes(Project& project, Prompter& prompter, WindowId window, BoxAccess boxes);

  // Declares one box; the order of declaration is the order of the key ring.
  NumericBoxes& add(int number, std::string_view picture, Accepts accepts, const char* message,
                    RestoreText restore);
  // Declares one box that keeps a refused value.
  NumericBoxes& keep(int number, std::string_view picture, Accepts accepts, const char* message);

  // Numeric value of a box's text (an empty, "." or non-numeric text reads as 0).
  double value(int number) const;
  TextBox& box(int number) const { return boxes_(number); }

  // The box lost the focus: reformat, check, and on refusal message, focus back and restore.
  // Returns true when the user goes on: the value was accepted (or the box has no leave rule),
  // or a refused value that stays in the box was let go; false when the box takes the focus back.
  bool LostFocus(int number, LeaveTo to = LeaveTo::Elsewhere);
  // Forgets which refused values were reported, so that the dialog's next opening reports them
  // afresh.
  void forgetReported();

  // A key went down in the box.
  void KeyDown(int number, BoxKey key);

  // One check of a validation: when `ok` is false, shows `message` under "ERRORE BOX", asks for
  // the focus on the box and sets `errore`. Returns `ok`.
  bool check(bool ok, int number, const char* message, bool& errore);

  // Asks for the focus on a box.
  void focus(int number);

private:
  struct Box {
    int number;
    std::string picture;
    Accepts accepts;
    const char* message;
    RestoreText restore;                  // none: the box keeps a refused value
    std::optional<std::string> reported;  // a refused value that stays and was reported
  };
  const Box* find(int number) const;
  Box* find(int number);
  bool usable(const Box& b) const;

  Project& project_;
  Prompter& prompter_;
  WindowId window_;
  BoxAccess boxes_;
  std::vector<Box> ring_;
};

// Runs a dialog's validation (`err`) and tells whether it refused the boxes; the refusal is
// cleared at once, so that the dialog's next command validates afresh:
//
//   void Form23::OK_Click()
//   {
//     if (validationRefused(*this)) {
//       return;
//     }
//     ...
template <typename Dialog>
bool validationRefused(Dialog& dialog)
{
  dialog.err();
  return std::exchange(dialog.errore, false);
}

}  // namespace vorn
