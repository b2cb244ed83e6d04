#include "views/pdelta/form25_story_picker_view.h"

namespace vorn {

Form25View::Form25View(ViewApplication& app)
    : StoryPickerView(app, WindowId::Form25, form25_texts::caption,
                      {.logic = &app.session().form25,
                       .controls = &Project::form25,
                       .comboWidth = 140,
                       .okName = "OK",
                       .okCaption = form25_texts::ok,
                       .okClick = &Form25::OK_Click,
                       .cancelName = "CANCEL",
                       .cancelCaption = form25_texts::cancel,
                       .cancelClick = &Form25::CANCEL_Click,
                       .frameClose = &Form25::Form_QueryUnload})
{
}

}  // namespace vorn
