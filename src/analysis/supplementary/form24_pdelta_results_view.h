#pragma once

#include <QPushButton>

#include "mainwindow/grid_view.h"
#include "mainwindow/plot_panel_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The P-Delta results window: the unit label, the story grid, the note on the loads and
// displacements taken into the stability index, the story drifts and the stability coefficients
// plotted below the grid, and OK.
class Form24View : public WindowView {
public:
  explicit Form24View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  PlotPanel* drifts() const { return drifts_; }
  PlotPanel* stability() const { return stability_; }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  GridView* grid_ = nullptr;
  PlotPanel* drifts_ = nullptr;
  PlotPanel* stability_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
