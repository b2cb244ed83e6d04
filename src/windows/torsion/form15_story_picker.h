#pragma once

#include "windows/common/story_picker.h"

namespace vorn {

class Session;

// Texts of the story picker of the torsion data.
namespace form15_texts {
inline constexpr const char* caption = "انتخاب شماره طبقه";
// An item of the list: this word and the story number.
inline constexpr const char* item = "طبقه";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
}  // namespace form15_texts

// Logic of the story picker of the torsion data: chooses the story whose centres the per-story
// window is to show.
class Form15 : public StoryPicker {
public:
  explicit Form15(Session& session);

  // Remembers the list position for CANCEL.
  void def();
  // Puts the remembered position back.
  void candef();
  // The torsion data dialog's way in: the picker over the dialog, the stories 1 … N listed and
  // the first one chosen.
  void openFromTorsionData();
  // The per-story window's way back to the picker: that window is hidden, the list stays.
  void openFromStoryCentres();

  void Command1_Click();  // OK: the per-story window shows the chosen story
  void Command2_Click();  // CANCEL: back to the torsion data dialog
};

}  // namespace vorn
