#pragma once

#include <QLineEdit>

#include "toolkit/dialog_view.h"
#include "toolkit/numbered_boxes_view.h"
#include "windows/spectrum/form19_spectrum.h"

namespace vorn {

// The design-spectrum dialog: the largest period and the period step, OK and CANCEL.
class Form19View : public DialogView<Form19, Form19Controls> {
public:
  explicit Form19View(ViewApplication& app);

  QLineEdit* text(int k) const { return boxes_.text(k); }

protected:
  void drawControls() override { boxes_.draw(); }

private:
  NumberedBoxes<Form19, Form19Controls> boxes_{*this};
};

}  // namespace vorn
