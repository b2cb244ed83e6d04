#include "analysis/supplementary/form24_pdelta_results_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

#include "analysis/plot_data.h"
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

  // The drifts and the stability coefficients plotted side by side below the grid.
  drifts_ = new PlotPanel(app.session().prompter, this);
  stability_ = new PlotPanel(app.session().prompter, this);
  auto* plots = new QSplitter(Qt::Horizontal, this);
  plots->setChildrenCollapsible(false);
  plots->addWidget(drifts_);
  plots->addWidget(stability_);
  auto* gridAndPlots = new QSplitter(Qt::Vertical, this);
  gridAndPlots->setChildrenCollapsible(false);
  gridAndPlots->addWidget(grid_);
  gridAndPlots->addWidget(plots);
  gridAndPlots->setSizes({300, 460});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(unit);
  layout->addWidget(gridAndPlots, 1);
  layout->addWidget(note);
  layout->addLayout(bottom);
  // Nine columns of 2500 twips side by side (the regular layout); the rest scroll.
  resize(9 * 2500 / kTwipsPerPixel + 40, 900);
}

void Form24View::drawControls()
{
  grid_->draw(app().project().form24.MSFlexGrid1);
  // The plots follow the table while the window is shown.
  if (app().project().window(WindowId::Form24).visible) {
    drifts_->draw(storyDriftsPlot(app().project()));
    stability_->draw(stabilityPlot(app().project()));
  }
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
