#pragma once

#include <QPushButton>
#include <QRadioButton>

#include "toolkit/dialog_view.h"
#include "toolkit/help_window_view.h"
#include "toolkit/option_choice_view.h"
#include "windows/site/form5_importance.h"

namespace vorn {

// The importance dialog: four importance categories, the help button, OK and CANCEL.
class Form5View : public DialogView<Form5, Form5Controls> {
public:
  explicit Form5View(ViewApplication& app);

  QRadioButton* option(int index) const { return choice_.option(index); }
  QPushButton* helpButton() const { return choice_.helpButton(); }

protected:
  void drawControls() override { choice_.draw(); }

private:
  OptionChoice<Form5, Form5Controls> choice_;
};

// The importance help window.
class Form6View : public HelpWindowView {
public:
  explicit Form6View(ViewApplication& app);
};

}  // namespace vorn
