#pragma once

namespace vorn {

class Session;

// Texts of the site dialog.
namespace form2_texts {
inline constexpr const char* caption = "انتخاب منطقه محل ساخت سازه";
inline constexpr const char* option1 = "انتخاب ضريب شتاب پايه زلزله با انتخاب مكان سازه";
inline constexpr const char* option2 = "انتخاب ضريب شتاب پايه زلزله توسط كاربر";
inline constexpr const char* combo1Label = "انتخاب استان";
inline constexpr const char* combo2Label = "انتخاب شهر";
inline constexpr const char* combo3Label = "انتخاب ضريب شتاب پايه زلزله توسط كاربر";
inline constexpr const char* labelPrefix = "A=";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
}  // namespace form2_texts

// Logic of the site dialog: the design base acceleration A from the province and city of the
// site, or chosen directly from the four zone values.
class Form2 {
public:
  explicit Form2(Session& session) : s_(session) {}

  // The main window's command: load and snapshot, then open over the main window.
  void open();

  // Snapshot of what the dialog can change, for CANCEL.
  void def();
  // Puts the snapshot back: the three lists with the cities of the province, the label, the two
  // options with the lists they enable, and the A (and soil S) that were in force.
  void candef();
  // Evaluates A from the city or from the direct choice, writes the label and lets S of soil
  // type 4 follow A.
  void shetab();

  // The options, as the user clicks them or the project file restores them.
  void Option1_Click();
  void Option2_Click();
  // Choosing a list position (the user or the project file): the province refills the cities and
  // preselects its city, then A is evaluated; the city evaluates A; the direct value shows in the
  // label. A position outside the list selects nothing.
  void Combo1_Click(int index);
  void Combo2_Click(int index);
  void Combo3_Click(int index);

  void OK_Click();
  void CANCEL_Click();

private:
  Session& s_;
};

}  // namespace vorn
