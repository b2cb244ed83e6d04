#include "views/static/form13_static_results_view.h"

#include <QVBoxLayout>

namespace vorn {

Form13View::Form13View(ViewApplication& app)
    : DialogView(app, WindowId::Form13, form13_texts::caption, app.session().form13,
                 &Project::form13, &Form13::Form_QueryUnload)
{
  label_ = new QLabel(QString::fromUtf8(form13_texts::unitLabel), this);
  label_->setObjectName("Label1");
  list_ = new ListView(this);
  grid_ = new GridView(this);
  QHBoxLayout* bottom = okRow(addOk(form13_texts::ok));

  // The list, and the forces and shears plotted beside it, over the grid.
  plot_ = new PlotPanel(app.session().prompter, this);
  QSplitter* listAndPlot = split(this, "ListAndPlot", Qt::Horizontal, list_, plot_);
  listAndPlot->setSizes({520, 620});
  QSplitter* plotAndGrid = split(this, "PlotAndGrid", Qt::Vertical, listAndPlot, grid_);
  plotAndGrid->setSizes({500, 300});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(plotAndGrid, 1);
  layout->addLayout(bottom);
  // Wide enough for the eight columns of the grid side by side.
  resize(1160, 920);
}

void Form13View::drawControls()
{
  const ViewContents& contents = app().project().form13;
  list_->draw(contents.List1);
  drawGrid(grid_, contents.MSFlexGrid1);
  drawPlot(plot_, app().project(), id(), storyForcesPlot);
}

}  // namespace vorn
