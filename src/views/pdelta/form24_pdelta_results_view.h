#pragma once

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/pdelta/form24_pdelta_results.h"

namespace vorn {

// The P-Delta results window: the unit label, the story grid, the note on the loads and
// displacements taken into the stability index, the story drifts and the stability coefficients
// plotted below the grid, and OK.
class Form24View : public DialogView<Form24, ViewContents> {
public:
  explicit Form24View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  PlotPanel* drifts() const { return drifts_; }
  PlotPanel* stability() const { return stability_; }

protected:
  void drawControls() override;

private:
  GridView* grid_ = nullptr;
  PlotPanel* drifts_ = nullptr;
  PlotPanel* stability_ = nullptr;
};

}  // namespace vorn
