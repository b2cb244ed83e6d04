#pragma once

#include "toolkit/results_window_view.h"
#include "windows/static/form22_allowable_drifts.h"

namespace vorn {

// The allowable-drift window: its title label, the story grid, the note and OK.
class Form22View : public ResultsWindowView<Form22> {
public:
  explicit Form22View(ViewApplication& app);

  GridView* grid() const { return grid_; }

protected:
  void drawControls() override;

private:
  GridView* grid_ = nullptr;
};

}  // namespace vorn
