#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/dialog_view.h"
#include "toolkit/story_parts_view.h"
#include "windows/structure/form10_stories.h"

namespace vorn {

// The story window: the story number, the ten data boxes, the two "same as" pickers, the
// navigation and copy buttons, APPLY, OK, CANCEL and the penthouse note.
class Form10View : public DialogView<Form10, Form10Controls> {
public:
  explicit Form10View(ViewApplication& app);

  QLineEdit* text(int k) const { return story_.text(k); }
  QPushButton* command(int k) const { return story_.command(k); }
  QComboBox* combo1() const { return combo1_; }
  QComboBox* combo2() const { return combo2_; }
  QLabel* penthouseNote() const { return note_; }

protected:
  void drawControls() override;

private:
  StoryParts<Form10, Form10Controls> story_{*this};
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace vorn
