#pragma once

#include "toolkit/story_dialog_view.h"
#include "windows/torsion/form16_torsion_stories.h"

namespace vorn {

// The per-story torsion window: the story number, the eight boxes of centres, dimensions and
// factors, the note on the origin, the navigation and copy buttons, APPLY, OK and CANCEL.
class Form16View : public StoryDialogView<Form16, Form16Controls> {
public:
  explicit Form16View(ViewApplication& app);
};

}  // namespace vorn
