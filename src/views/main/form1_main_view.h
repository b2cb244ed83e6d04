#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <array>

#include "toolkit/window_view.h"

class QAction;

namespace vorn {

// The main window: sixteen workflow buttons, the reset check box, NEW and END, the FILE menu
// (with the calculation note and the workbook after PRINT, open while the report would hold a
// table).
class Form1View : public WindowView {
public:
  explicit Form1View(ViewApplication& app);

  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }
  QCheckBox* check11() const { return check11_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* endButton() const { return end_; }
  QAction* noteItem() const { return note_; }
  QAction* workbookItem() const { return workbook_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QPushButton*, 16> commands_{};
  QCheckBox* check11_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* end_ = nullptr;
  QAction* note_ = nullptr;
  QAction* workbook_ = nullptr;
};

}  // namespace vorn
