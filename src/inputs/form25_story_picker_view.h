#pragma once

#include <QComboBox>
#include <QPushButton>

#include "mainwindow/window_view.h"

namespace vorn {

// The story picker of the P-Delta dialog: the list of stories, OK and CANCEL.
class Form25View : public WindowView {
public:
  explicit Form25View(ViewApplication& app);

  QComboBox* combo1() const { return combo1_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  QComboBox* combo1_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace vorn
