#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "toolkit/dialog_view.h"
#include "toolkit/numbered_boxes_view.h"
#include "windows/torsion/form14_torsion.h"

namespace vorn {

// The torsion data dialog: the plan dimensions and foundation thickness, the option pair of the
// amplification factors under its heading, the button to the stories' centres, OK and CANCEL.
class Form14View : public DialogView<Form14, Form14Controls> {
public:
  explicit Form14View(ViewApplication& app);

  QLineEdit* text(int k) const { return boxes_.text(k); }
  QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
  QLabel* heading() const { return heading_; }
  QPushButton* command1() const { return command1_; }

protected:
  void drawControls() override;

private:
  NumberedBoxes<Form14, Form14Controls> boxes_{*this};
  std::array<QRadioButton*, 2> options_{};
  QLabel* heading_ = nullptr;
  QPushButton* command1_ = nullptr;
};

}  // namespace vorn
