#pragma once

#include <QLabel>
#include <array>

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {

// The torsion results window: the unit label, the overturning labels with the safety factors and
// their verdicts, the torsion-neglect conclusion, the story grid with the total torsional moments
// plotted beside it, and OK.
class Form18View : public DialogView<Form18, Form18Contents> {
public:
  explicit Form18View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  PlotPanel* plot() const { return plot_; }
  // A label by its control name ("Label2", "Label3_1" for Label3(1)).
  QLabel* label(const char* name) const;

protected:
  void drawControls() override;

private:
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  std::array<QLabel*, 3> label3_{};
  QLabel* label4_ = nullptr;
  QLabel* label5_ = nullptr;
  std::array<QLabel*, 2> label6_{};
  QLabel* label7_ = nullptr;
  QLabel* label8_ = nullptr;
  GridView* grid_ = nullptr;
  PlotPanel* plot_ = nullptr;
};

}  // namespace vorn
