#include "inputs/form10_stories_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form10View::Form10View(ViewApplication& app)
    : WindowView(app, WindowId::Form10, form10_texts::caption)
{
  Form10& logic = app.session().form10;
  events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });

  auto* boxes = new QGridLayout;
  boxes->setColumnStretch(0, 1);
  for (int k = 1; k <= 11; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* label = new QLabel(QString::fromUtf8(form10_texts::labels.at(at)), this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setFixedWidth(110);
    boxes->addWidget(label, k - 1, 0);
    boxes->addWidget(box, k - 1, 1);
    texts_.at(at) = box;
    if (k == 1) {
      continue;  // the story number is not typed
    }
    connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
      this->app().project().form10.Text[k].text = t.toStdString();
    });
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
  }

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

  auto* commands = new QVBoxLayout;
  for (int k = 1; k <= 5; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* button = new QPushButton(QString::fromUtf8(form10_texts::commands.at(at)), this);
    button->setObjectName(QString("Command%1").arg(k));
    commands->addWidget(button);
    commands_.at(at) = button;
  }
  commands->addStretch();
  const std::array<void (Form10::*)(), 5> clicks = {
      &Form10::Command1_Click, &Form10::Command2_Click, &Form10::Command3_Click,
      &Form10::Command4_Click, &Form10::Command5_Click};
  for (int k = 1; k <= 5; ++k) {
    const auto click = clicks.at(static_cast<std::size_t>(k - 1));
    connect(command(k), &QPushButton::clicked, this,
            [this, &logic, click] { forward([&logic, click] { (logic.*click)(); }); });
  }

  note_ = new QLabel(QString::fromUtf8(form10_texts::penthouseNote), this);
  note_->setObjectName("Label2");
  note_->setWordWrap(true);
  note_->setStyleSheet("color: #a00000;");
  // The note keeps its place while hidden, so the window does not jump between stories.
  QSizePolicy keepPlace = note_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  note_->setSizePolicy(keepPlace);

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
  layout->addWidget(note_);
  layout->addLayout(buttons);
  resize(720, 0);
}

void Form10View::drawControls()
{
  const Form10Controls& f = app().project().form10;
  for (int k = 1; k <= 11; ++k) {
    drawText(text(k), f.Text[k]);
  }
  drawCombo(combo1_, f.Combo1);
  drawCombo(combo2_, f.Combo2);
  for (int k = 1; k <= 5; ++k) {
    drawButton(command(k), f.Command[k]);
  }
  drawLabel(note_, {form10_texts::penthouseNote, f.Label2.visible});
}

bool Form10View::frameCloseRequested()
{
  app().session().form10.CANCEL_Click();
  return true;
}

}  // namespace vorn
