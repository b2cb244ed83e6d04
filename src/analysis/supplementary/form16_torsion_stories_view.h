#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "mainwindow/window_view.h"

namespace vorn {

class NumericBoxEvents;

// The per-story torsion window: the story number, the eight boxes of centres, dimensions and
// factors, the note on the origin, the navigation and copy buttons, APPLY, OK and CANCEL.
class Form16View : public WindowView {
public:
  explicit Form16View(ViewApplication& app);

  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLineEdit*, 9> texts_{};
  std::array<QPushButton*, 4> commands_{};
  QPushButton* apply_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
