#pragma once

#include <QCheckBox>
#include <array>

#include "model/project.h"
#include "toolkit/numeric_box_dialog_view.h"

namespace vorn {

class Form8;

// The structure dialog: period, story count and height, four check boxes, the help and story
// buttons, OK and CANCEL.
class Form8View : public NumericBoxDialogView<Form8, Form8Controls> {
public:
  explicit Form8View(ViewApplication& app);

  QCheckBox* check(int k) const { return checks_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }

protected:
  void drawControls() override;

private:
  std::array<QCheckBox*, 4> checks_{};
  std::array<QPushButton*, 3> commands_{};
};

}  // namespace vorn
