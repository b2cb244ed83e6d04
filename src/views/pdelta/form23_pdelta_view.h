#pragma once

#include "model/project.h"
#include "toolkit/story_dialog_view.h"

namespace vorn {

class Form23;

// The P-Delta dialog: the story number, the average and maximum drifts of both directions in
// cm, the navigation, results and copy buttons, APPLY, OK and CANCEL.
class Form23View : public StoryDialogView<Form23, Form23Controls> {
public:
  explicit Form23View(ViewApplication& app);

protected:
  bool frameCloseRequested() override;
};

}  // namespace vorn
