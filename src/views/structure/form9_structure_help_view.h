#pragma once

#include <QLabel>
#include <QPushButton>
#include <vector>

#include "toolkit/window_view.h"

namespace vorn {

// The help window on regular buildings: its labels top to bottom (the title, the plan criteria
// under their heading, the height criteria under theirs) and one OK button.
class Form9View : public WindowView {
public:
  explicit Form9View(ViewApplication& app);

  QPushButton* okButton() const { return ok_; }
  // Every label, top to bottom.
  const std::vector<QLabel*>& texts() const { return texts_; }

protected:
  void drawControls() override {}
  bool frameCloseRequested() override;

private:
  QPushButton* ok_ = nullptr;
  std::vector<QLabel*> texts_;
};

}  // namespace vorn
