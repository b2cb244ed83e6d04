#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "model/project.h"
#include "toolkit/dialog_view.h"
#include "toolkit/story_parts_view.h"

namespace vorn {

class Form23;

// The P-Delta dialog: the story number, the average and maximum drifts of both directions in
// cm, the navigation, results and copy buttons, APPLY, OK and CANCEL.
class Form23View : public DialogView<Form23, Form23Controls> {
public:
  explicit Form23View(ViewApplication& app);

  QLineEdit* text(int k) const { return story_.text(k); }
  QPushButton* command(int k) const { return story_.command(k); }

protected:
  void drawControls() override { story_.draw(); }

private:
  StoryParts<Form23, Form23Controls> story_{*this};
};

}  // namespace vorn
