#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "toolkit/dialog_view.h"
#include "toolkit/story_parts_view.h"
#include "windows/torsion/form16_torsion_stories.h"

namespace vorn {

// The per-story torsion window: the story number, the eight boxes of centres, dimensions and
// factors, the note on the origin, the navigation and copy buttons, APPLY, OK and CANCEL.
class Form16View : public DialogView<Form16, Form16Controls> {
public:
  explicit Form16View(ViewApplication& app);

  QLineEdit* text(int k) const { return story_.text(k); }
  QPushButton* command(int k) const { return story_.command(k); }

protected:
  void drawControls() override { story_.draw(); }

private:
  StoryParts<Form16, Form16Controls> story_{*this};
};

}  // namespace vorn
