#pragma once

#include <QLabel>

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/static/form13_static_results.h"

namespace vorn {

// The static results window: the unit label, the list of scalar results with the story forces and
// shears plotted beside it, the story grid and OK.
class Form13View : public DialogView<Form13, ViewContents> {
public:
  explicit Form13View(ViewApplication& app);

  ListView* list() const { return list_; }
  GridView* grid() const { return grid_; }
  PlotPanel* plot() const { return plot_; }

protected:
  void drawControls() override;

private:
  QLabel* label_ = nullptr;
  ListView* list_ = nullptr;
  GridView* grid_ = nullptr;
  PlotPanel* plot_ = nullptr;
};

}  // namespace vorn
