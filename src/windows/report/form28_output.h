#pragma once

#include <string>

namespace vorn {

class Session;

// Texts of the output window.
namespace form28_texts {
inline constexpr const char* caption = "خروجي برنامه";
}  // namespace form28_texts

// Logic of the output window: it holds the last report until the next one.
class Form28 {
public:
  explicit Form28(Session& session) : s_(session) {}

  // Loads the report text (as read back from its file) into the rich-text box.
  void load(const std::string& text);
  // Shows the window beside the main window.
  void show();
  // The window frame's close button hides it; the text stays.
  void Form_QueryUnload();

private:
  Session& s_;
};

}  // namespace vorn
