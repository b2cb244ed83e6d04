#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "mainwindow/window_view.h"

namespace vorn {

class NumericBoxEvents;

// The P-Delta dialog: the story number, the average and maximum drifts of both directions in
// cm, the navigation, results and copy buttons, APPLY, OK and CANCEL.
class Form23View : public WindowView {
public:
  explicit Form23View(ViewApplication& app);

  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLineEdit*, 5> texts_{};
  std::array<QPushButton*, 5> commands_{};
  QPushButton* apply_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
