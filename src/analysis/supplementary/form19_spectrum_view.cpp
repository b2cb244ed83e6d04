#include "analysis/supplementary/form19_spectrum_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "analysis/supplementary/form19_spectrum.h"
#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form19View::Form19View(ViewApplication& app)
    : WindowView(app, WindowId::Form19, form19_texts::caption)
{
  Form19& logic = app.session().form19;
  events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });

  auto* boxes = new QGridLayout;
  auto makeBox = [&](int k, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setObjectName(QString("Label%1").arg(k));
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setMaximumWidth(120);
    connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) {
      this->app().project().form19.Text[k].text = text.toStdString();
    });
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
    boxes->addWidget(label, k - 1, 0);
    boxes->addWidget(box, k - 1, 1);
    return box;
  };
  text1_ = makeBox(1, form19_texts::label1);
  text2_ = makeBox(2, form19_texts::label2);

  ok_ = new QPushButton(QString::fromUtf8(form19_texts::ok), this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton(QString::fromUtf8(form19_texts::cancel), this);
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

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  resize(520, 150);
}

void Form19View::drawControls()
{
  const Form19Controls& f = app().project().form19;
  drawText(text1_, f.Text[1]);
  drawText(text2_, f.Text[2]);
}

bool Form19View::frameCloseRequested()
{
  app().session().form19.CANCEL_Click();
  return true;
}

}  // namespace vorn
