#pragma once

#include "toolkit/numeric_box_dialog_view.h"
#include "windows/spectrum/form19_spectrum.h"

namespace vorn {

// The design-spectrum dialog: the largest period and the period step, OK and CANCEL.
class Form19View : public NumericBoxDialogView<Form19, Form19Controls> {
public:
  explicit Form19View(ViewApplication& app);

protected:
  void drawControls() override { drawBoxes(); }
};

}  // namespace vorn
