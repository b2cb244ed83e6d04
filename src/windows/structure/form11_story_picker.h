#pragma once

#include "model/windows.h"
#include "windows/common/story_picker.h"

namespace vorn {

class Session;

// Texts of the story picker.
namespace form11_texts {
inline constexpr const char* caption = "اصلاح ابعاد و مشخصات طبقات";
}  // namespace form11_texts

// Logic of the story picker: chooses the story that the story window is to show. The structure
// dialog opens it to edit the stories, the story window to move to a story by its number.
class Form11 : public StoryPicker {
public:
  explicit Form11(Session& session);

  void openFromStructure();
  void openFromStories();

  void OK_Click();
  void CANCEL_Click();

private:
  void open(WindowId opener);

  WindowId opener_ = WindowId::Form8;  // the window that CANCEL returns to
};

}  // namespace vorn
