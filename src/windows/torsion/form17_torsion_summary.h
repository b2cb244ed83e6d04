#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the torsion input summary.
namespace form17_texts {
inline constexpr const char* caption = "خلاصه اطلاعات ورودي جهت محاسبه پيچش و واژگوني";
inline constexpr const char* unitLabel = "واحد:كيلوگرم و متر";
// Each plan label is its text followed by its value.
inline constexpr const char* planX = "بعد افقي سازه=";
inline constexpr const char* planY = "بعد عمودي سازه=";
inline constexpr const char* thickness = "ضخامت پي=";
inline constexpr std::array<const char*, 7> headings = {
    "شماره طبقه",
    "بعد متوسط افقي طبقه",
    "بعد متوسط عمودي طبقه",
    "فاصله افقي مركز جرم و مبدا",
    "فاصله عمودي مركز جرم و مبدا",
    "فاصله افقي مركز سختي و مبدا",
    "فاصله عمودي مركز سختي و مبدا",
};
inline constexpr const char* ok = "OK";
}  // namespace form17_texts

// Logic of the torsion input summary: the plan dimensions and foundation thickness as labels and
// the centres and average dimensions of the stories as a grid, rebuilt from the project every
// time the main window asks for it.
class Form17 {
public:
  explicit Form17(Session& session) : s_(session) {}

  // The main window's button: main window disabled, summary filled and shown.
  void fill();
  void OK_Click();
  // The window frame's close button does what OK does.
  void Form_QueryUnload() { OK_Click(); }

private:
  Session& s_;
};

}  // namespace vorn
