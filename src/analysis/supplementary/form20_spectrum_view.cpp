#include "analysis/supplementary/form20_spectrum_view.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

#include "analysis/plot_data.h"
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

  // The table, and the spectrum plotted beside it.
  plot_ = new PlotPanel(app.session().prompter, this);
  auto* tableAndPlot = new QSplitter(Qt::Horizontal, this);
  tableAndPlot->setChildrenCollapsible(false);
  tableAndPlot->addWidget(grid_);
  tableAndPlot->addWidget(plot_);
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
  grid_->draw(app().project().form20.MSFlexGrid1);
  if (grid_->rowCount() > 0) {
    grid_->resizeRowToContents(0);
  }
  // The plot follows the table while the window is shown.
  if (app().project().window(WindowId::Form20).visible) {
    plot_->draw(spectrumPlot(app().project()));
  }
}

bool Form20View::frameCloseRequested()
{
  app().session().form20.OK_Click();
  return true;
}

}  // namespace vorn
