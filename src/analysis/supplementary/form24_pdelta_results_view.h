#pragma once

#include <QPushButton>

#include "mainwindow/grid_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The P-Delta results window: the unit label, the story grid, the note on the loads and
// displacements taken into the stability index, and OK.
class Form24View : public WindowView {
public:
  explicit Form24View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  GridView* grid_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
