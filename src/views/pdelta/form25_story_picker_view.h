#pragma once

#include "toolkit/story_picker_view.h"
#include "windows/pdelta/form25_story_picker.h"

namespace vorn {

// The story picker of the P-Delta dialog: the list of stories, OK and CANCEL.
class Form25View : public StoryPickerView<Form25, Form25Controls> {
public:
  explicit Form25View(ViewApplication& app);
};

}  // namespace vorn
