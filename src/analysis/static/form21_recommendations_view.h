#pragma once

#include <QPushButton>

#include "mainwindow/grid_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The recommendations window: the list of provisions and OK.
class Form21View : public WindowView {
public:
  explicit Form21View(ViewApplication& app);

  ListView* list() const { return list_; }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  ListView* list_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
