#include "inputs/form8_structure_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form8View::Form8View(ViewApplication& app) : WindowView(app, WindowId::Form8, form8_texts::caption)
{
  Form8& logic = app.session().form8;
  events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });

  auto* boxes = new QGridLayout;
  for (int k = 1; k <= 3; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* label = new QLabel(QString::fromUtf8(form8_texts::labels.at(at)), this);
    label->setObjectName(QString("Label1_%1").arg(k - 1));
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setMaximumWidth(110);
    connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
      this->app().project().form8.Text[k].text = t.toStdString();
    });
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
    boxes->addWidget(label, k - 1, 0);
    boxes->addWidget(box, k - 1, 1);
    texts_.at(at) = box;
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

  auto* commands = new QVBoxLayout;
  for (int k = 1; k <= 3; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* button = new QPushButton(QString::fromUtf8(form8_texts::commands.at(at)), this);
    button->setObjectName(QString("Command%1").arg(k));
    commands->addWidget(button);
    commands_.at(at) = button;
  }
  connect(command(1), &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command1_Click(); }); });
  connect(command(2), &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command2_Click(); }); });
  connect(command(3), &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command3_Click(); }); });

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton("CANCEL", this);
  cancel_->setObjectName("CANCEL");
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.CANCEL_Click(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();

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
  for (int k = 1; k <= 3; ++k) {
    drawText(text(k), f.Text[k]);
  }
  for (int k = 1; k <= 4; ++k) {
    drawCheck(check(k), f.Check[k]);
  }
  drawButton(command(2), f.Command[2]);
  drawButton(command(3), f.Command[3]);
}

bool Form8View::frameCloseRequested()
{
  app().session().form8.CANCEL_Click();
  return true;
}

}  // namespace vorn
