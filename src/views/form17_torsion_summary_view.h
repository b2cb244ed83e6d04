#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "mainwindow/grid_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The torsion input summary: the unit label, the plan dimensions and foundation thickness, the
// story grid and OK.
class Form17View : public WindowView {
public:
  explicit Form17View(ViewApplication& app);

  GridView* grid() const { return grid_; }
  QLabel* label(int k) const { return labels_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLabel*, 4> labels_{};
  GridView* grid_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
