#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "mainwindow/window_view.h"

namespace vorn {

class NumericBoxEvents;

// The story window: the story number, the ten data boxes, the two "same as" pickers, the
// navigation and copy buttons, APPLY, OK, CANCEL and the penthouse note.
class Form10View : public WindowView {
public:
  explicit Form10View(ViewApplication& app);

  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QComboBox* combo1() const { return combo1_; }
  QComboBox* combo2() const { return combo2_; }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QLabel* penthouseNote() const { return note_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLineEdit*, 11> texts_{};
  std::array<QPushButton*, 5> commands_{};
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* note_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
