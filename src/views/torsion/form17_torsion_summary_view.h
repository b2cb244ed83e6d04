#pragma once

#include <QLabel>
#include <array>

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/torsion/form17_torsion_summary.h"

namespace vorn {

// The torsion input summary: the unit label, the plan dimensions and foundation thickness, the
// story grid and OK.
class Form17View : public DialogView<Form17, Form17Contents> {
public:
  explicit Form17View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  QLabel* label(int k) const { return labels_.at(static_cast<std::size_t>(k - 1)); }

protected:
  void drawControls() override;

private:
  std::array<QLabel*, 4> labels_{};
  GridView* grid_ = nullptr;
};

}  // namespace vorn
