#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "model/project.h"
#include "toolkit/dialog_view.h"
#include "toolkit/numbered_boxes_view.h"

namespace vorn {

class Form8;

// The structure dialog: period, story count and height, four check boxes, the help and story
// buttons, OK and CANCEL.
class Form8View : public DialogView<Form8, Form8Controls> {
public:
  explicit Form8View(ViewApplication& app);

  QLineEdit* text(int k) const { return boxes_.text(k); }
  QCheckBox* check(int k) const { return checks_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }

protected:
  void drawControls() override;

private:
  NumberedBoxes<Form8, Form8Controls> boxes_{*this};
  std::array<QCheckBox*, 4> checks_{};
  std::array<QPushButton*, 3> commands_{};
};

}  // namespace vorn
