#pragma once

#include <QComboBox>
#include <QLabel>

#include "toolkit/story_dialog_view.h"
#include "windows/structure/form10_stories.h"

namespace vorn {

// The story window: the story number, the ten data boxes, the two "same as" pickers, the
// navigation and copy buttons, APPLY, OK, CANCEL and the penthouse note.
class Form10View : public StoryDialogView<Form10, Form10Controls> {
public:
  explicit Form10View(ViewApplication& app);

  QComboBox* combo1() const { return combo1_; }
  QComboBox* combo2() const { return combo2_; }
  QLabel* penthouseNote() const { return note_; }

protected:
  void drawControls() override;

private:
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace vorn
