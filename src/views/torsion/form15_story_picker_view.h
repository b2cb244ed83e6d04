#pragma once

#include <QComboBox>

#include "toolkit/dialog_view.h"
#include "toolkit/story_list_view.h"
#include "windows/torsion/form15_story_picker.h"

namespace vorn {

// The story picker of the torsion data: the list of stories, OK and CANCEL.
class Form15View : public DialogView<Form15, Form15Controls> {
public:
  explicit Form15View(ViewApplication& app);

  QComboBox* combo1() const { return list_.combo1(); }

protected:
  void drawControls() override { list_.draw(); }

private:
  StoryList<Form15, Form15Controls> list_;
};

}  // namespace vorn
