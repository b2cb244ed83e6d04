#include "views/spectrum/form20_spectrum_view.h"

#include <QVBoxLayout>

namespace vorn {

Form20View::Form20View(ViewApplication& app)
    : DialogView(app, WindowId::Form20, form20_texts::caption, app.session().form20,
                 &Project::form20, &Form20::OK_Click)
{
  grid_ = new GridView(this);
  // The coefficient headings are long: let them wrap in a taller header row.
  grid_->setWordWrap(true);
  QHBoxLayout* bottom = okRow(addOk(form20_texts::ok));

  // The table, and the spectrum plotted beside it.
  plot_ = new PlotPanel(app.session().prompter, this);
  QSplitter* tableAndPlot = split(this, "TableAndPlot", Qt::Horizontal, grid_, plot_);
  tableAndPlot->setStretchFactor(1, 1);
  tableAndPlot->setSizes({(1500 + 2 * 3500) / kTwipsPerPixel + 30, 620});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tableAndPlot);
  layout->addLayout(bottom);
  // The period column and the two coefficient columns side by side, and the plot.
  resize((1500 + 2 * 3500) / kTwipsPerPixel + 40 + 620, 700);
}

void Form20View::drawControls()
{
  drawGrid(grid_, app().project().form20.MSFlexGrid1);
  drawPlot(plot_, app().project(), id(), spectrumPlot);
}

}  // namespace vorn
