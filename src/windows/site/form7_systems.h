#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the resisting-system dialog (the option captions and R labels are in the system table).
namespace form7_texts {
inline constexpr const char* captionX = "انتخاب سيستم مقاوم سازه اي جهت افقي";
inline constexpr const char* captionY = "انتخاب سيستم مقاوم سازه اي جهت عمودي";
inline constexpr std::array<const char*, 4> groups = {
    "سيستم ديوارهاي باربر", "سيستم قاب ساختماني ساده", "سيستم قاب خمشي", "سيستم دوگانه يا تركيبي"};
inline constexpr const char* heightHeading = "حداكثر ارتفاع مورد قبول سازه";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
}  // namespace form7_texts

// Logic of the resisting-system dialog, one dialog for both plan directions: the system of the
// direction sets its behaviour factor R and its height limit; the smaller limit is Hmax.
class Form7 {
public:
  explicit Form7(Session& session) : s_(session) {}

  // The main window's commands for x and for y: open the dialog over the main window for that
  // direction, with the snapshot that CANCEL restores.
  void showForX();
  void showForY();

  // Select the stored system of the direction and remember it with the direction's limit.
  void defx();
  void defy();
  // Put back the system and the height limits remembered when the dialog opened.
  void candefx();
  void candefy();

  void Option1_Click(int index);
  // Stores code, R and height limit of the direction being edited, Hmax, and opens or closes the
  // infill-wall choice of that direction in the structure dialog.
  void OK_Click();
  void CANCEL_Click();

  // Code of the selected option (1 … 23), 0 when none is selected.
  int selectedCode() const;

private:
  void select(double code);

  Session& s_;
};

}  // namespace vorn
