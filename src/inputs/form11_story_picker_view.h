#pragma once

#include "inputs/form11_story_picker.h"
#include "views/story_picker_view.h"

namespace vorn {

// The story picker: the list of stories, OK and CANCEL.
class Form11View : public StoryPickerView<Form11, Form11Controls> {
public:
  explicit Form11View(ViewApplication& app);
};

}  // namespace vorn
