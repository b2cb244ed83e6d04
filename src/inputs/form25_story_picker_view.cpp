#include "inputs/form25_story_picker_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "inputs/form25_story_picker.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form25View::Form25View(ViewApplication& app)
    : WindowView(app, WindowId::Form25, form25_texts::caption)
{
  Form25& logic = app.session().form25;
  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  combo1_->setMinimumWidth(140);
  connect(combo1_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo1_Click(index); }); });

  ok_ = new QPushButton(form25_texts::ok, this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton(form25_texts::cancel, this);
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

void Form25View::drawControls()
{
  drawCombo(combo1_, app().project().form25.Combo1);
}

bool Form25View::frameCloseRequested()
{
  app().session().form25.Form_QueryUnload();
  return true;
}

}  // namespace vorn
