#include "analysis/supplementary/form24_pdelta_results_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "analysis/supplementary/form24_pdelta_results.h"
#include "mainwindow/application_view.h"
#include "mainwindow/number_cells_view.h"

namespace vorn {

Form24View::Form24View(ViewApplication& app)
    : WindowView(app, WindowId::Form24, form24_texts::caption)
{
  Form24& logic = app.session().form24;

  auto* unit = new QLabel(QString::fromUtf8(form24_texts::unitLabel), this);
  unit->setObjectName("Label1");
  grid_ = new GridView(this);
  // The headings are longer than their columns are wide: they wrap in a taller header row.
  grid_->setWordWrap(true);
  grid_->setItemDelegate(new NumberCellDelegate(grid_));
  auto* note = new QLabel(QString::fromUtf8(form24_texts::note), this);
  note->setObjectName("Label2");
  note->setWordWrap(true);
  ok_ = new QPushButton(form24_texts::ok, this);
  ok_->setObjectName("OK");
  ok_->setMinimumWidth(100);
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(unit);
  layout->addWidget(grid_);
  layout->addWidget(note);
  layout->addLayout(bottom);
  // Nine columns of 2500 twips side by side (the regular layout); the rest scroll.
  resize(9 * 2500 / kTwipsPerPixel + 40, 560);
}

void Form24View::drawControls()
{
  grid_->draw(app().project().form24.MSFlexGrid1);
  if (grid_->rowCount() > 0) {
    grid_->resizeRowToContents(0);
  }
}

bool Form24View::frameCloseRequested()
{
  app().session().form24.Form_QueryUnload();
  return true;
}

}  // namespace vorn
