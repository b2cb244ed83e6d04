#include "views/site/form2_site_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "windows/site/form2_site.h"

namespace vorn {

namespace {

QComboBox* newList(QWidget* parent, const char* name)
{
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setMinimumWidth(220);
  list->setMaxVisibleItems(20);
  return list;
}

}  // namespace

Form2View::Form2View(ViewApplication& app)
    : DialogView(app, WindowId::Form2, form2_texts::caption, app.session().form2, &Project::form2)
{
  Form2& logic = app.session().form2;

  option1_ = new QRadioButton(QString::fromUtf8(form2_texts::option1), this);
  option1_->setObjectName("Option1");
  option2_ = new QRadioButton(QString::fromUtf8(form2_texts::option2), this);
  option2_->setObjectName("Option2");
  // The logic decides which option is set; the buttons only report clicks.
  option1_->setAutoExclusive(false);
  option2_->setAutoExclusive(false);
  connect(option1_, &QRadioButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Option1_Click(); }); });
  connect(option2_, &QRadioButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Option2_Click(); }); });

  combo1_ = newList(this, "Combo1");
  combo2_ = newList(this, "Combo2");
  combo3_ = newList(this, "Combo3");
  connect(combo1_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo1_Click(index); }); });
  connect(combo2_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo2_Click(index); }); });
  connect(combo3_, &QComboBox::activated, this,
          [this, &logic](int index) { forward([&logic, index] { logic.Combo3_Click(index); }); });

  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  QFont big = label2_->font();
  big.setPointSize(big.pointSize() + 2);
  big.setBold(true);
  label2_->setFont(big);
  // "A=0.35" reads left to right inside the right-to-left window.
  label2_->setLayoutDirection(Qt::LeftToRight);
  label2_->setAlignment(Qt::AlignCenter);

  auto* site = new QFormLayout;
  site->addRow(QString::fromUtf8(form2_texts::combo1Label), combo1_);
  site->addRow(QString::fromUtf8(form2_texts::combo2Label), combo2_);
  auto* direct = new QFormLayout;
  direct->addRow(QString::fromUtf8(form2_texts::combo3Label), combo3_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(option1_);
  layout->addLayout(site);
  layout->addSpacing(8);
  layout->addWidget(option2_);
  layout->addLayout(direct);
  layout->addSpacing(8);
  layout->addWidget(label2_);
  layout->addLayout(buttonRow({addOk(form2_texts::ok), addCancel(form2_texts::cancel)}));
  resize(520, 300);
}

void Form2View::drawControls()
{
  const Form2Controls& f = controls();
  drawOption(option1_, f.Option1);
  drawOption(option2_, f.Option2);
  drawCombo(combo1_, f.Combo1);
  drawCombo(combo2_, f.Combo2);
  drawCombo(combo3_, f.Combo3);
  drawLabel(label2_, f.Label2);
}

}  // namespace vorn
