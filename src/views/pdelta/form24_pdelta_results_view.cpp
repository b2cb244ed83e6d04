#include "views/pdelta/form24_pdelta_results_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "toolkit/number_cells_view.h"

namespace vorn {

Form24View::Form24View(ViewApplication& app)
    : DialogView(app, WindowId::Form24, form24_texts::caption, app.session().form24,
                 &Project::form24, &Form24::Form_QueryUnload)
{
  auto* unit = new QLabel(QString::fromUtf8(form24_texts::unitLabel), this);
  unit->setObjectName("Label1");
  grid_ = new GridView(this);
  // The headings are longer than their columns are wide: they wrap in a taller header row.
  grid_->setWordWrap(true);
  grid_->setItemDelegate(new NumberCellDelegate(grid_));
  auto* note = new QLabel(QString::fromUtf8(form24_texts::note), this);
  note->setObjectName("Label2");
  note->setWordWrap(true);
  QHBoxLayout* bottom = okRow(addOk(form24_texts::ok));

  // The drifts and the stability coefficients plotted side by side below the grid.
  drifts_ = new PlotPanel(app.session().prompter, this);
  stability_ = new PlotPanel(app.session().prompter, this);
  QSplitter* plots = split(this, "Plots", Qt::Horizontal, drifts_, stability_);
  QSplitter* gridAndPlots = split(this, "GridAndPlots", Qt::Vertical, grid_, plots);
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
  drawGrid(grid_, app().project().form24.MSFlexGrid1);
  drawPlot(drifts_, app().project(), id(), storyDriftsPlot);
  drawPlot(stability_, app().project(), id(), stabilityPlot);
}

}  // namespace vorn
