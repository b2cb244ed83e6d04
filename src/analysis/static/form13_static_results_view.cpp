#include "analysis/static/form13_static_results_view.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

#include "analysis/plot_data.h"
#include "analysis/static/form13_static_results.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form13View::Form13View(ViewApplication& app)
    : WindowView(app, WindowId::Form13, form13_texts::caption)
{
  Form13& logic = app.session().form13;

  label_ = new QLabel(QString::fromUtf8(form13_texts::unitLabel), this);
  label_->setObjectName("Label1");
  list_ = new ListView(this);
  grid_ = new GridView(this);
  ok_ = new QPushButton(QString::fromUtf8(form13_texts::ok), this);
  ok_->setObjectName("OK");
  ok_->setMinimumWidth(100);
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addStretch();

  // The list, and the forces and shears plotted beside it.
  plot_ = new PlotPanel(app.session().prompter, this);
  auto* listAndPlot = new QSplitter(Qt::Horizontal, this);
  listAndPlot->setChildrenCollapsible(false);
  listAndPlot->addWidget(list_);
  listAndPlot->addWidget(plot_);
  listAndPlot->setSizes({520, 620});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(listAndPlot, 5);
  layout->addWidget(grid_, 3);
  layout->addLayout(bottom);
  // Wide enough for the eight columns of the grid side by side.
  resize(1160, 920);
}

void Form13View::drawControls()
{
  const ViewContents& contents = app().project().form13;
  list_->draw(contents.List1);
  grid_->draw(contents.MSFlexGrid1);
  // The plot follows the table while the window is shown.
  if (app().project().window(WindowId::Form13).visible) {
    plot_->draw(storyForcesPlot(app().project()));
  }
  // The headers are longer than their columns are wide: they wrap onto a taller header row.
  if (grid_->rowCount() > 0) {
    grid_->resizeRowToContents(0);
  }
}

bool Form13View::frameCloseRequested()
{
  app().session().form13.Form_QueryUnload();
  return true;
}

}  // namespace vorn
