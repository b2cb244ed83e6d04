#pragma once

#include <QPushButton>

#include "mainwindow/grid_view.h"
#include "mainwindow/plot_panel_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The design-spectrum window: the period and coefficient grid, the spectrum plotted beside it,
// and OK.
class Form20View : public WindowView {
public:
  explicit Form20View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  PlotPanel* plot() const { return plot_; }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  GridView* grid_ = nullptr;
  PlotPanel* plot_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
