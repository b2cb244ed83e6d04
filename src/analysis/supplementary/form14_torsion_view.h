#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "mainwindow/window_view.h"

namespace vorn {

class NumericBoxEvents;

// The torsion data dialog: the plan dimensions and foundation thickness, the option pair of the
// amplification factors under its heading, the button to the stories' centres, OK and CANCEL.
class Form14View : public WindowView {
public:
  explicit Form14View(ViewApplication& app);

  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
  QLabel* heading() const { return heading_; }
  QPushButton* command1() const { return command1_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLineEdit*, 3> texts_{};
  std::array<QRadioButton*, 2> options_{};
  QLabel* heading_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
