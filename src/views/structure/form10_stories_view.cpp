#include "views/structure/form10_stories_view.h"

#include "toolkit/button_row_view.h"

namespace vorn {

Form10View::Form10View(ViewApplication& app)
    : DialogView(app, WindowId::Form10, form10_texts::caption, app.session().form10,
                 &Project::form10)
{
  Form10& logic = app.session().form10;
  QGridLayout* boxes = story_.labelledBoxes(form10_texts::labels);

  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  combo2_ = new QComboBox(this);
  combo2_->setObjectName("Combo2");
  connect(combo1_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo1_Click(index); }); });
  connect(combo2_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo2_Click(index); }); });
  boxes->addWidget(new QLabel(QString::fromUtf8(form10_texts::combo1Label), this), 11, 0);
  boxes->addWidget(combo1_, 11, 1);
  boxes->addWidget(new QLabel(QString::fromUtf8(form10_texts::combo2Label), this), 12, 0);
  boxes->addWidget(combo2_, 12, 1);

  QVBoxLayout* commands = story_.commandColumn(
      form10_texts::commands,
      {&Form10::Command1_Click, &Form10::Command2_Click, &Form10::Command3_Click,
       &Form10::Command4_Click, &Form10::Command5_Click});

  note_ = new QLabel(QString::fromUtf8(form10_texts::penthouseNote), this);
  note_->setObjectName("Label2");
  note_->setWordWrap(true);
  note_->setStyleSheet("color: #a00000;");
  // The note keeps its place while hidden, so the window does not jump between stories.
  QSizePolicy keepPlace = note_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  note_->setSizePolicy(keepPlace);

  QHBoxLayout* buttons = buttonRow({addApply("APPLY"), addOk("OK"), addCancel("CANCEL")});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(besideCommands(boxes, commands, 1));
  layout->addWidget(note_);
  layout->addLayout(buttons);
  resize(720, 0);
}

void Form10View::drawControls()
{
  const Form10Controls& f = app().project().form10;
  story_.drawBoxes();
  drawCombo(combo1_, f.Combo1);
  drawCombo(combo2_, f.Combo2);
  story_.drawCommands();
  drawLabel(note_, {form10_texts::penthouseNote, f.Label2.visible});
}

}  // namespace vorn
