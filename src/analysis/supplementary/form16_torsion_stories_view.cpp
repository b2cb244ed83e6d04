#include "analysis/supplementary/form16_torsion_stories_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/supplementary/form16_torsion_stories.h"
#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form16View::Form16View(ViewApplication& app)
    : WindowView(app, WindowId::Form16, form16_texts::caption)
{
  Form16& logic = app.session().form16;
  events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });

  auto* boxes = new QGridLayout;
  boxes->setColumnStretch(0, 1);
  for (int k = 1; k <= 9; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* label = new QLabel(QString::fromUtf8(form16_texts::labels.at(at)), this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setFixedWidth(110);
    boxes->addWidget(label, k - 1, 0);
    boxes->addWidget(box, k - 1, 1);
    texts_.at(at) = box;
    if (k == 1) {
      // The story number is set by the picker and the moves between stories; the box takes the
      // focus and the keys of the ring but no typing.
      box->setReadOnly(true);
    } else {
      connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
        this->app().project().form16.Text[k].text = t.toStdString();
      });
    }
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
  }

  auto* note = new QLabel(QString::fromUtf8(form16_texts::note), this);
  note->setObjectName("Label1");
  note->setWordWrap(true);

  auto* commands = new QVBoxLayout;
  const std::array<void (Form16::*)(), 4> clicks = {
      &Form16::Command1_Click, &Form16::Command2_Click, &Form16::Command3_Click,
      &Form16::Command4_Click};
  for (int k = 1; k <= 4; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* button = new QPushButton(QString::fromUtf8(form16_texts::commands.at(at)), this);
    button->setObjectName(QString("Command%1").arg(k));
    const auto click = clicks.at(at);
    connect(button, &QPushButton::clicked, this,
            [this, &logic, click] { forward([&logic, click] { (logic.*click)(); }); });
    commands->addWidget(button);
    commands_.at(at) = button;
  }
  commands->addStretch();

  apply_ = new QPushButton("APPLY", this);
  apply_->setObjectName("APPLY");
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton("CANCEL", this);
  cancel_->setObjectName("CANCEL");
  connect(apply_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.APPLY_Click(); }); });
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.CANCEL_Click(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(apply_);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();

  auto* top = new QHBoxLayout;
  top->addLayout(boxes, 3);
  top->addSpacing(16);
  top->addLayout(commands, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(note);
  layout->addLayout(buttons);
  resize(760, 0);
}

void Form16View::drawControls()
{
  const Form16Controls& f = app().project().form16;
  for (int k = 1; k <= 9; ++k) {
    drawText(text(k), f.Text[k]);
  }
  for (int k = 1; k <= 4; ++k) {
    drawButton(command(k), f.Command[k]);
  }
}

bool Form16View::frameCloseRequested()
{
  app().session().form16.CANCEL_Click();
  return true;
}

}  // namespace vorn
