#include "views/torsion/form15_story_picker_view.h"

namespace vorn {

Form15View::Form15View(ViewApplication& app)
    : StoryPickerView(app, WindowId::Form15, form15_texts::caption,
                      {.logic = &app.session().form15,
                       .controls = &Project::form15,
                       .comboWidth = 140,
                       .okName = "Command1",
                       .okCaption = form15_texts::ok,
                       .okClick = &Form15::Command1_Click,
                       .cancelName = "Command2",
                       .cancelCaption = form15_texts::cancel,
                       .cancelClick = &Form15::Command2_Click,
                       .frameClose = &Form15::Command2_Click})
{
}

}  // namespace vorn
