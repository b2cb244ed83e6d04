#pragma once

#include "analysis/supplementary/form15_story_picker.h"
#include "views/story_picker_view.h"

namespace vorn {

// The story picker of the torsion data: the list of stories, OK and CANCEL.
class Form15View : public StoryPickerView<Form15, Form15Controls> {
public:
  explicit Form15View(ViewApplication& app);
};

}  // namespace vorn
