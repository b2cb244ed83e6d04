#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "toolkit/window_view.h"
#include "views/report/report_printing_view.h"

namespace vorn {

// The report dialog "PRINT TABLES": the ten tables under their two headings, "PRINT TO TEXT
// FILE:" with the path box and BROWSE, SELECT ALL, DESELECT ALL, OK and CANCEL.
class Form27View : public WindowView {
public:
  explicit Form27View(ViewApplication& app);
  ~Form27View() override;

  QCheckBox* check(int k) const { return checks_.at(static_cast<std::size_t>(k - 1)); }
  QLineEdit* pathBox() const { return text1_; }
  QPushButton* browseButton() const { return browse_; }
  QPushButton* selectAllButton() const { return selectAll_; }
  QPushButton* deselectAllButton() const { return deselectAll_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  QtReportDevices devices_{this};
  std::array<QCheckBox*, 11> checks_{};
  QLineEdit* text1_ = nullptr;
  QPushButton* browse_ = nullptr;
  QPushButton* selectAll_ = nullptr;
  QPushButton* deselectAll_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace vorn
