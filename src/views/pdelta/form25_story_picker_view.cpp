#include "views/pdelta/form25_story_picker_view.h"

namespace vorn {

Form25View::Form25View(ViewApplication& app)
    : DialogView(app, WindowId::Form25, form25_texts::caption, app.session().form25,
                 &Project::form25, &Form25::Form_QueryUnload),
      list_(*this, 140)
{
  QPushButton* ok = addOk(form25_texts::ok);
  QPushButton* cancel = addCancel(form25_texts::cancel);
  list_.layOut(ok, cancel);
}

}  // namespace vorn
