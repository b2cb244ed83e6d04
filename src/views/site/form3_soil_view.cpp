#include "views/site/form3_soil_view.h"

namespace vorn {

Form3View::Form3View(ViewApplication& app)
    : DialogView(app, WindowId::Form3, form3_texts::caption, app.session().form3, &Project::form3),
      choice_(*this, form3_texts::options, form3_texts::command1, form3_texts::ok,
              form3_texts::cancel)
{
}

Form4View::Form4View(ViewApplication& app)
    : HelpWindowView(app, WindowId::Form4, form4_texts::caption, form4_texts::sections, "Command1",
                     form4_texts::command1, [&app] { app.session().form4.Command1_Click(); })
{
}

}  // namespace vorn
