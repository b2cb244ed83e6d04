#pragma once

namespace vorn {

class Session;

// Texts of the static results window (the list lines and grid headers are the run's).
namespace form13_texts {
inline constexpr const char* caption = "مشاهده نيروهاي جانبي طبقات به روش استاتيكي";
inline constexpr const char* unitLabel = "نيروهاي جانبي وارد بر طبقات. واحد :كيلوگرم ومتر";
inline constexpr const char* ok = "OK";
}  // namespace form13_texts

// Logic of the static results window. The run fills it and shows it over the main window; its OK
// goes back to the main window and opens the way to the torsion data.
class Form13 {
public:
  explicit Form13(Session& session) : s_(session) {}

  void OK_Click();
  // The window frame's close button does what OK does.
  void Form_QueryUnload() { OK_Click(); }

private:
  Session& s_;
};

}  // namespace vorn
