#include "analysis/supplementary/form23_pdelta_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/supplementary/form23_pdelta.h"
#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"

namespace vorn {

namespace t = form23_texts;

Form23View::Form23View(ViewApplication& app)
    : WindowView(app, WindowId::Form23, form23_texts::caption)
{
  Form23& logic = app.session().form23;
  events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });

  auto label = [this](const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setWordWrap(true);
    return l;
  };
  for (int k = 1; k <= 5; ++k) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setFixedWidth(90);
    texts_.at(static_cast<std::size_t>(k - 1)) = box;
    if (k == 1) {
      continue;  // the story number is not typed
    }
    connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) {
      this->app().project().form23.Text[k].text = text.toStdString();
    });
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
  }

  auto* story = new QHBoxLayout;
  story->addWidget(label(t::text1Label));
  story->addWidget(text(1));
  story->addStretch();

  // Rows: x then y; columns: the direction, the average drift, the maximum drift, the unit.
  auto* drifts = new QGridLayout;
  drifts->setHorizontalSpacing(16);
  for (int col : {1, 2}) {
    auto* heading = label(col == 1 ? t::averageColumn : t::maximumColumn);
    heading->setAlignment(Qt::AlignCenter);
    drifts->addWidget(heading, 0, col);
    drifts->setColumnMinimumWidth(col, 120);
  }
  drifts->addWidget(label(t::rowX), 1, 0);
  drifts->addWidget(text(2), 1, 1, Qt::AlignHCenter);
  drifts->addWidget(text(4), 1, 2, Qt::AlignHCenter);
  drifts->addWidget(label(t::unit), 1, 3);
  drifts->addWidget(label(t::rowY), 2, 0);
  drifts->addWidget(text(3), 2, 1, Qt::AlignHCenter);
  drifts->addWidget(text(5), 2, 2, Qt::AlignHCenter);
  drifts->addWidget(label(t::unit), 2, 3);
  drifts->setColumnStretch(0, 1);

  auto* commands = new QVBoxLayout;
  const std::array<void (Form23::*)(), 5> clicks = {
      &Form23::Command1_Click, &Form23::Command2_Click, &Form23::Command3_Click,
      &Form23::Command4_Click, &Form23::Command5_Click};
  for (int k = 1; k <= 5; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* button = new QPushButton(QString::fromUtf8(t::commands.at(at)), this);
    button->setObjectName(QString("Command%1").arg(k));
    const auto click = clicks.at(at);
    connect(button, &QPushButton::clicked, this,
            [this, &logic, click] { forward([&logic, click] { (logic.*click)(); }); });
    commands->addWidget(button);
    commands_.at(at) = button;
  }
  commands->addStretch();

  apply_ = new QPushButton(t::apply, this);
  apply_->setObjectName("APPLY");
  ok_ = new QPushButton(t::ok, this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton(t::cancel, this);
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

  auto* entry = new QVBoxLayout;
  entry->addLayout(story);
  entry->addSpacing(12);
  entry->addLayout(drifts);
  entry->addStretch();

  auto* top = new QHBoxLayout;
  top->addLayout(entry, 3);
  top->addSpacing(16);
  top->addLayout(commands, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  resize(760, 0);
}

void Form23View::drawControls()
{
  const Form23Controls& f = app().project().form23;
  for (int k = 1; k <= 5; ++k) {
    drawText(text(k), f.Text[k]);
  }
  for (int k = 1; k <= 5; ++k) {
    drawButton(command(k), f.Command[k]);
  }
}

bool Form23View::frameCloseRequested()
{
  app().session().form23.Form_QueryUnload();
  return true;
}

}  // namespace vorn
