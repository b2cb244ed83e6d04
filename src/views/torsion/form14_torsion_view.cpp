#include "views/torsion/form14_torsion_view.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "model/grid.h"
#include "toolkit/button_row_view.h"

namespace vorn {

Form14View::Form14View(ViewApplication& app)
    : DialogView(app, WindowId::Form14, form14_texts::caption, app.session().form14,
                 &Project::form14)
{
  Form14& logic = app.session().form14;

  auto* boxes = new QGridLayout;
  boxes->setColumnStretch(0, 1);
  for (const char* label : {form14_texts::label1, form14_texts::label2, form14_texts::label3}) {
    boxes_.addRow(boxes, label)->setFixedWidth(110);
  }

  heading_ = new QLabel(QString::fromUtf8(form14_texts::heading), this);
  heading_->setObjectName("Label2");
  const std::array<const char*, 2> optionCaptions = {form14_texts::option0, form14_texts::option1};
  for (int index = 0; index <= 1; ++index) {
    auto* option = new QRadioButton(
        QString::fromUtf8(optionCaptions.at(static_cast<std::size_t>(index))), this);
    option->setObjectName(QString("Option1_%1").arg(index));
    connect(option, &QRadioButton::clicked, this,
            [this, &logic, index] { forward([&logic, index] { logic.Option1_Click(index); }); });
    options_.at(static_cast<std::size_t>(index)) = option;
  }

  command1_ = addButton("Command1", form14_texts::command1, &Form14::Command1_Click);
  QHBoxLayout* buttons = buttonRow(command1_, {addOk("OK"), addCancel("CANCEL")});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addWidget(heading_);
  layout->addWidget(options_[0]);
  layout->addWidget(options_[1]);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(640, 4740 / kTwipsPerPixel);
}

void Form14View::drawControls()
{
  const Form14Controls& f = app().project().form14;
  boxes_.draw();
  drawLabel(heading_, {form14_texts::heading, f.Label2.visible});
  drawOption(option(0), f.Option1[0]);
  drawOption(option(1), f.Option1[1]);
}

}  // namespace vorn
