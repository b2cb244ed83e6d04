#pragma once

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/spectrum/form20_spectrum.h"

namespace vorn {

// The design-spectrum window: the period and coefficient grid, the spectrum plotted beside it,
// and OK.
class Form20View : public DialogView<Form20, ViewContents> {
public:
  explicit Form20View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  PlotPanel* plot() const { return plot_; }

protected:
  void drawControls() override;

private:
  GridView* grid_ = nullptr;
  PlotPanel* plot_ = nullptr;
};

}  // namespace vorn
