#include "views/structure/form11_story_picker_view.h"

namespace vorn {

Form11View::Form11View(ViewApplication& app)
    : StoryPickerView(app, WindowId::Form11, form11_texts::caption,
                      {.logic = &app.session().form11,
                       .controls = &Project::form11,
                       .comboWidth = 120,
                       .okName = "OK",
                       .okCaption = "OK",
                       .okClick = &Form11::OK_Click,
                       .cancelName = "CANCEL",
                       .cancelCaption = "CANCEL",
                       .cancelClick = &Form11::CANCEL_Click,
                       .frameClose = &Form11::CANCEL_Click})
{
}

}  // namespace vorn
