#pragma once

#include <QComboBox>

#include "toolkit/dialog_view.h"
#include "toolkit/story_list_view.h"
#include "windows/pdelta/form25_story_picker.h"

namespace vorn {

// The story picker of the P-Delta dialog: the list of stories, OK and CANCEL.
class Form25View : public DialogView<Form25, Form25Controls> {
public:
  explicit Form25View(ViewApplication& app);

  QComboBox* combo1() const { return list_.combo1(); }

protected:
  void drawControls() override { list_.draw(); }

private:
  StoryList<Form25, Form25Controls> list_;
};

}  // namespace vorn
