#pragma once

#include "toolkit/story_picker_view.h"
#include "windows/structure/form11_story_picker.h"

namespace vorn {

// The story picker: the list of stories, OK and CANCEL.
class Form11View : public StoryPickerView<Form11, Form11Controls> {
public:
  explicit Form11View(ViewApplication& app);
};

}  // namespace vorn
