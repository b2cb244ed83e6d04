#include "views/spectrum/form19_spectrum_view.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "toolkit/button_row_view.h"

namespace vorn {

Form19View::Form19View(ViewApplication& app)
    : DialogView(app, WindowId::Form19, form19_texts::caption, app.session().form19,
                 &Project::form19)
{
  auto* boxes = new QGridLayout;
  boxes_.addRow(boxes, form19_texts::label1, "Label1")->setMaximumWidth(120);
  boxes_.addRow(boxes, form19_texts::label2, "Label2")->setMaximumWidth(120);
  QHBoxLayout* buttons = buttonRow({addOk(form19_texts::ok), addCancel(form19_texts::cancel)});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  resize(520, 150);
}

}  // namespace vorn
