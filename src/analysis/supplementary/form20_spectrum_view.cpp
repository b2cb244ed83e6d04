#include "analysis/supplementary/form20_spectrum_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/supplementary/form20_spectrum.h"
#include "mainwindow/application_view.h"
#include "mainwindow/number_cells_view.h"

namespace vorn {

Form20View::Form20View(ViewApplication& app)
    : WindowView(app, WindowId::Form20, form20_texts::caption)
{
  Form20& logic = app.session().form20;

  grid_ = new GridView(this);
  // The coefficient headings are long: let them wrap in a taller header row.
  grid_->setWordWrap(true);
  ok_ = new QPushButton(QString::fromUtf8(form20_texts::ok), this);
  ok_->setObjectName("OK");
  ok_->setMinimumWidth(100);
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(bottom);
  // The period column and the two coefficient columns side by side.
  resize((1500 + 2 * 3500) / kTwipsPerPixel + 40, 560);
}

void Form20View::drawControls()
{
  grid_->draw(app().project().form20.MSFlexGrid1);
  if (grid_->rowCount() > 0) {
    grid_->resizeRowToContents(0);
  }
}

bool Form20View::frameCloseRequested()
{
  app().session().form20.OK_Click();
  return true;
}

}  // namespace vorn
