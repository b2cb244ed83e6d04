#include "inputs/form11_story_picker_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "mainwindow/application_view.h"

namespace vorn {

Form11View::Form11View(ViewApplication& app)
    : WindowView(app, WindowId::Form11, form11_texts::caption)
{
  Form11& logic = app.session().form11;
  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  combo1_->setMinimumWidth(120);
  connect(combo1_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo1_Click(index); }); });

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton("CANCEL", this);
  cancel_->setObjectName("CANCEL");
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.CANCEL_Click(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(combo1_, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  resize(300, 0);
}

void Form11View::drawControls()
{
  drawCombo(combo1_, app().project().form11.Combo1);
}

bool Form11View::frameCloseRequested()
{
  app().session().form11.CANCEL_Click();
  return true;
}

}  // namespace vorn
