#include "views/site/form5_importance_view.h"

namespace vorn {

Form5View::Form5View(ViewApplication& app)
    : DialogView(app, WindowId::Form5, form5_texts::caption, app.session().form5, &Project::form5),
      choice_(*this, form5_texts::options, form5_texts::command1, form5_texts::ok,
              form5_texts::cancel)
{
}

Form6View::Form6View(ViewApplication& app)
    : HelpWindowView(app, WindowId::Form6, form6_texts::caption, form6_texts::sections, "OK",
                     form6_texts::ok, [&app] { app.session().form6.OK_Click(); })
{
}

}  // namespace vorn
