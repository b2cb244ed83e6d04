#include "views/torsion/form15_story_picker_view.h"

namespace vorn {

Form15View::Form15View(ViewApplication& app)
    : DialogView(app, WindowId::Form15, form15_texts::caption, app.session().form15,
                 &Project::form15, &Form15::Command2_Click),
      list_(*this, 140)
{
  QPushButton* ok = addOk(form15_texts::ok, "Command1", &Form15::Command1_Click);
  QPushButton* cancel = addCancel(form15_texts::cancel, "Command2", &Form15::Command2_Click);
  list_.layOut(ok, cancel);
}

}  // namespace vorn
