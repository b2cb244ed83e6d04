#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "mainwindow/window_view.h"

namespace vorn {

class NumericBoxEvents;

// The structure dialog: period, story count and height, four check boxes, the help and story
// buttons, OK and CANCEL.
class Form8View : public WindowView {
public:
  explicit Form8View(ViewApplication& app);

  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QCheckBox* check(int k) const { return checks_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLineEdit*, 3> texts_{};
  std::array<QCheckBox*, 4> checks_{};
  std::array<QPushButton*, 3> commands_{};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
