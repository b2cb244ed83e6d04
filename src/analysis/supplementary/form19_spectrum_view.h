#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "mainwindow/window_view.h"

namespace vorn {

class NumericBoxEvents;

// The design-spectrum dialog: the largest period and the period step, OK and CANCEL.
class Form19View : public WindowView {
public:
  explicit Form19View(ViewApplication& app);

  QLineEdit* text(int k) const { return k == 1 ? text1_ : text2_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
