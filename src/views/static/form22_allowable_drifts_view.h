#pragma once

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/static/form22_allowable_drifts.h"

namespace vorn {

// The allowable-drift window: its title label, the story grid, the note and OK.
class Form22View : public DialogView<Form22, ViewContents> {
public:
  explicit Form22View(ViewApplication& app);

  GridView* grid() const { return grid_; }

protected:
  void drawControls() override;

private:
  GridView* grid_ = nullptr;
};

}  // namespace vorn
