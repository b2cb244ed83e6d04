#pragma once

#include "toolkit/help_window_view.h"
#include "toolkit/option_dialog_view.h"
#include "windows/site/form3_soil.h"

namespace vorn {

// The soil dialog: four soil types, the help button, OK and CANCEL.
class Form3View : public OptionDialogView<Form3, Form3Controls> {
public:
  explicit Form3View(ViewApplication& app);
};

// The soil help window.
class Form4View : public HelpWindowView {
public:
  explicit Form4View(ViewApplication& app);
};

}  // namespace vorn
