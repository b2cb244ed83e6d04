#include "views/structure/form11_story_picker_view.h"

namespace vorn {

Form11View::Form11View(ViewApplication& app)
    : DialogView(app, WindowId::Form11, form11_texts::caption, app.session().form11,
                 &Project::form11),
      list_(*this, 120)
{
  QPushButton* ok = addOk("OK");
  QPushButton* cancel = addCancel("CANCEL");
  list_.layOut(ok, cancel);
}

}  // namespace vorn
