#include "views/structure/form12_input_summary_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/number_label_view.h"
#include "windows/structure/form12_input_summary.h"

namespace vorn {

Form12View::Form12View(ViewApplication& app)
    : WindowView(app, WindowId::Form12, form12_texts::caption)
{
  for (int k = 0; k <= 12; ++k) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("Label1_%1").arg(k));
    label->setWordWrap(true);
    labels_.at(static_cast<std::size_t>(k)) = label;
  }
  // The general choices in two columns: the site and the systems on the right, the building
  // on the left; the grid's title above the grid.
  auto* choices = new QGridLayout;
  choices->setHorizontalSpacing(24);
  for (int k = 0; k <= 5; ++k) {
    choices->addWidget(label(k), k, 0);
  }
  for (int k = 6; k <= 11; ++k) {
    choices->addWidget(label(k), k - 6, 1);
  }
  QFont bold = label(12)->font();
  bold.setBold(true);
  label(12)->setFont(bold);

  grid_ = new GridView(this);
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OK");
  connect(ok_, &QPushButton::clicked, this,
          [this] { forward([this] { this->app().session().form12.OK_Click(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addSpacing(8);
  layout->addWidget(label(12));
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  resize(980, 560);
}

void Form12View::drawControls()
{
  const Form12Contents& f = app().project().form12;
  // The building's values (a period of ".45") read left to right after their Persian names.
  for (int k = 0; k <= 12; ++k) {
    drawNumberLabel(label(k), f.Label1[k]);
  }
  grid_->draw(f.MSFlexGrid1);
}

bool Form12View::frameCloseRequested()
{
  app().session().form12.OK_Click();
  return true;
}

}  // namespace vorn
