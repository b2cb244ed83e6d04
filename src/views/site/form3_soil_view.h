#pragma once

#include <QPushButton>
#include <QRadioButton>

#include "toolkit/dialog_view.h"
#include "toolkit/help_window_view.h"
#include "toolkit/option_choice_view.h"
#include "windows/site/form3_soil.h"

namespace vorn {

// The soil dialog: four soil types, the help button, OK and CANCEL.
class Form3View : public DialogView<Form3, Form3Controls> {
public:
  explicit Form3View(ViewApplication& app);

  QRadioButton* option(int index) const { return choice_.option(index); }
  QPushButton* helpButton() const { return choice_.helpButton(); }

protected:
  void drawControls() override { choice_.draw(); }

private:
  OptionChoice<Form3, Form3Controls> choice_;
};

// The soil help window.
class Form4View : public HelpWindowView {
public:
  explicit Form4View(ViewApplication& app);
};

}  // namespace vorn
