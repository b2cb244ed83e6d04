#pragma once

#include "toolkit/story_picker_view.h"
#include "windows/torsion/form15_story_picker.h"

namespace vorn {

// The story picker of the torsion data: the list of stories, OK and CANCEL.
class Form15View : public StoryPickerView<Form15, Form15Controls> {
public:
  explicit Form15View(ViewApplication& app);
};

}  // namespace vorn
