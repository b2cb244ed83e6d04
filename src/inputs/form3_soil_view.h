#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "inputs/help_window_view.h"
#include "mainwindow/window_view.h"

namespace vorn {

// The soil dialog: four soil types, the help button, OK and CANCEL.
class Form3View : public WindowView {
public:
  explicit Form3View(ViewApplication& app);

  QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
  QPushButton* helpButton() const { return help_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  std::array<QRadioButton*, 4> options_{};
  QPushButton* help_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// The soil help window.
class Form4View : public HelpWindowView {
public:
  explicit Form4View(ViewApplication& app);
};

}  // namespace vorn
