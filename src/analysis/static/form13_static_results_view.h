#pragma once

#include <QLabel>
#include <QPushButton>

#include "mainwindow/grid_view.h"
#include "mainwindow/plot_panel_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The static results window: the unit label, the list of scalar results with the story forces and
// shears plotted beside it, the story grid and OK.
class Form13View : public WindowView {
public:
  explicit Form13View(ViewApplication& app);

  ListView* list() const { return list_; }
  GridView* grid() const { return grid_; }
  PlotPanel* plot() const { return plot_; }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  QLabel* label_ = nullptr;
  ListView* list_ = nullptr;
  GridView* grid_ = nullptr;
  PlotPanel* plot_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
