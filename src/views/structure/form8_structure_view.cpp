#include "views/structure/form8_structure_view.h"
#include "windows/structure/form8_structure.h"

#include <QVBoxLayout>

#include "toolkit/button_row_view.h"

namespace vorn {

Form8View::Form8View(ViewApplication& app)
    : DialogView(app, WindowId::Form8, form8_texts::caption, app.session().form8, &Project::form8)
{
  Form8& logic = app.session().form8;

  auto* boxes = new QGridLayout;
  for (std::size_t at = 0; at < form8_texts::labels.size(); ++at) {
    boxes_.addRow(boxes, form8_texts::labels.at(at), QString("Label1_%1").arg(at))
        ->setMaximumWidth(110);
  }
  boxes->setColumnStretch(0, 1);

  auto* checks = new QVBoxLayout;
  for (int k = 1; k <= 4; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* check = new QCheckBox(QString::fromUtf8(form8_texts::checks.at(at)), this);
    check->setObjectName(QString("Check%1").arg(k));
    connect(check, &QCheckBox::clicked, this, [this, &logic, k](bool on) {
      forward([&logic, k, on] { logic.Check_Click(k, on ? 1 : 0); });
    });
    checks->addWidget(check);
    checks_.at(at) = check;
  }

  const std::array<void (Form8::*)(), 3> clicks = {&Form8::Command1_Click, &Form8::Command2_Click,
                                                   &Form8::Command3_Click};
  auto* commands = new QVBoxLayout;
  for (std::size_t at = 0; at < commands_.size(); ++at) {
    commands_.at(at) =
        addButton(QString("Command%1").arg(at + 1), form8_texts::commands.at(at), clicks.at(at));
    commands->addWidget(commands_.at(at));
  }

  QHBoxLayout* buttons = buttonRow({addOk("OK"), addCancel("CANCEL")});

  auto* middle = new QHBoxLayout;
  middle->addLayout(checks, 1);
  middle->addSpacing(16);
  middle->addLayout(commands, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addSpacing(8);
  layout->addLayout(middle);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  resize(640, 0);
}

void Form8View::drawControls()
{
  const Form8Controls& f = app().project().form8;
  boxes_.draw();
  for (int k = 1; k <= 4; ++k) {
    drawCheck(check(k), f.Check[k]);
  }
  drawButton(command(2), f.Command[2]);
  drawButton(command(3), f.Command[3]);
}

}  // namespace vorn
