#pragma once

#include "toolkit/help_window_view.h"
#include "toolkit/option_dialog_view.h"
#include "windows/site/form5_importance.h"

namespace vorn {

// The importance dialog: four importance categories, the help button, OK and CANCEL.
class Form5View : public OptionDialogView<Form5, Form5Controls> {
public:
  explicit Form5View(ViewApplication& app);
};

// The importance help window.
class Form6View : public HelpWindowView {
public:
  explicit Form6View(ViewApplication& app);
};

}  // namespace vorn
