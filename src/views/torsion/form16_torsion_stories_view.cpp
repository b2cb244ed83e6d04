#include "views/torsion/form16_torsion_stories_view.h"

#include "toolkit/button_row_view.h"

namespace vorn {

Form16View::Form16View(ViewApplication& app)
    : DialogView(app, WindowId::Form16, form16_texts::caption, app.session().form16,
                 &Project::form16)
{
  QGridLayout* boxes = story_.labelledBoxes(form16_texts::labels);
  // The story number is set by the picker and the moves between stories; the box takes the focus
  // and the keys of the ring but no typing.
  text(1)->setReadOnly(true);
  story_.watch(1);

  auto* note = new QLabel(QString::fromUtf8(form16_texts::note), this);
  note->setObjectName("Label1");
  note->setWordWrap(true);

  QVBoxLayout* commands = story_.commandColumn(form16_texts::commands,
                                               {&Form16::Command1_Click, &Form16::Command2_Click,
                                                &Form16::Command3_Click, &Form16::Command4_Click});
  QHBoxLayout* buttons = buttonRow({addApply("APPLY"), addOk("OK"), addCancel("CANCEL")});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(besideCommands(boxes, commands, 1));
  layout->addWidget(note);
  layout->addLayout(buttons);
  resize(760, 0);
}

}  // namespace vorn
