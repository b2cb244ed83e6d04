#pragma once

#include "windows/common/story_picker.h"

namespace vorn {

class Session;

// Texts of the story picker of the P-Delta dialog.
namespace form25_texts {
inline constexpr const char* caption = "انتخاب شماره طبقه";
// An item of the list: this word, then the story number with its leading blank.
inline constexpr const char* story = "طبقه";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
}  // namespace form25_texts

// Logic of the story picker that the P-Delta dialog opens in its own place: the list of its
// stories; OK shows the chosen story in the dialog, CANCEL goes back to the story it showed.
class Form25 : public StoryPicker {
public:
  explicit Form25(Session& session);

  // Remembers the list position for CANCEL.
  void def();
  // Puts the remembered position back.
  void candef();
  // Opened by the P-Delta dialog, which hides: the list holds stories 1 … N, the first chosen.
  void open();

  void OK_Click();
  void CANCEL_Click();
  // The window frame's close button does what CANCEL does.
  void Form_QueryUnload() { CANCEL_Click(); }
};

}  // namespace vorn
