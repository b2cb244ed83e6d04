#pragma once

#include <QLabel>
#include <QPushButton>

#include "mainwindow/grid_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The allowable-drift window: its title label, the story grid, the note and OK.
class Form22View : public WindowView {
public:
  explicit Form22View(ViewApplication& app);

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
