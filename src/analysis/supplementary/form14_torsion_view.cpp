#include "analysis/supplementary/form14_torsion_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/supplementary/form14_torsion.h"
#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"
#include "model/grid.h"

namespace vorn {

Form14View::Form14View(ViewApplication& app)
    : WindowView(app, WindowId::Form14, form14_texts::caption)
{
  Form14& logic = app.session().form14;
  events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });

  const std::array<const char*, 3> labels = {form14_texts::label1, form14_texts::label2,
                                             form14_texts::label3};
  auto* boxes = new QGridLayout;
  boxes->setColumnStretch(0, 1);
  for (int k = 1; k <= 3; ++k) {
    const auto at = static_cast<std::size_t>(k - 1);
    auto* label = new QLabel(QString::fromUtf8(labels.at(at)), this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setFixedWidth(110);
    connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
      this->app().project().form14.Text[k].text = t.toStdString();
    });
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
    boxes->addWidget(label, k - 1, 0);
    boxes->addWidget(box, k - 1, 1);
    texts_.at(at) = box;
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

  command1_ = new QPushButton(QString::fromUtf8(form14_texts::command1), this);
  command1_->setObjectName("Command1");
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton("CANCEL", this);
  cancel_->setObjectName("CANCEL");
  connect(command1_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command1_Click(); }); });
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.CANCEL_Click(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

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
  for (int k = 1; k <= 3; ++k) {
    drawText(text(k), f.Text[k]);
  }
  drawLabel(heading_, {form14_texts::heading, f.Label2.visible});
  drawOption(option(0), f.Option1[0]);
  drawOption(option(1), f.Option1[1]);
}

bool Form14View::frameCloseRequested()
{
  app().session().form14.CANCEL_Click();
  return true;
}

}  // namespace vorn
