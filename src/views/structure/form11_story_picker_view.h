#pragma once

#include <QComboBox>

#include "toolkit/dialog_view.h"
#include "toolkit/story_list_view.h"
#include "windows/structure/form11_story_picker.h"

namespace vorn {

// The story picker: the list of stories, OK and CANCEL.
class Form11View : public DialogView<Form11, Form11Controls> {
public:
  explicit Form11View(ViewApplication& app);

  QComboBox* combo1() const { return list_.combo1(); }

protected:
  void drawControls() override { list_.draw(); }

private:
  StoryList<Form11, Form11Controls> list_;
};

}  // namespace vorn
