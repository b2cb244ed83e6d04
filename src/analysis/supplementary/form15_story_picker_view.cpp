#include "analysis/supplementary/form15_story_picker_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/supplementary/form15_story_picker.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form15View::Form15View(ViewApplication& app)
    : WindowView(app, WindowId::Form15, form15_texts::caption)
{
  Form15& logic = app.session().form15;
  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  combo1_->setMinimumWidth(140);
  connect(combo1_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo1_Click(index); }); });

  ok_ = new QPushButton(QString::fromUtf8(form15_texts::ok), this);
  ok_->setObjectName("Command1");
  cancel_ = new QPushButton(QString::fromUtf8(form15_texts::cancel), this);
  cancel_->setObjectName("Command2");
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command1_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command2_Click(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(combo1_, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  resize(300, 0);
}

void Form15View::drawControls()
{
  drawCombo(combo1_, app().project().form15.Combo1);
}

bool Form15View::frameCloseRequested()
{
  app().session().form15.Command2_Click();
  return true;
}

}  // namespace vorn
