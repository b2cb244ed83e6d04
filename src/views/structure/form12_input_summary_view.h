#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "toolkit/grid_view.h"
#include "toolkit/window_view.h"

namespace vorn {

// The input summary: the general choices in labels, the stories in a grid, one OK button.
class Form12View : public WindowView {
public:
  explicit Form12View(ViewApplication& app);

  QLabel* label(int k) const { return labels_.at(static_cast<std::size_t>(k)); }
  GridView* grid() const { return grid_; }
  QPushButton* okButton() const { return ok_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QLabel*, 13> labels_{};
  GridView* grid_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
