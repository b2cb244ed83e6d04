#include "toolkit/results_parts_view.h"

#include "toolkit/button_row_view.h"

namespace vorn {

QHBoxLayout* okRow(QPushButton* ok)
{
  keepRoomForText(ok, 100);
  return buttonRow({ok});
}

QSplitter* split(QWidget* window, const char* name, Qt::Orientation orientation, QWidget* first,
                 QWidget* second)
{
  auto* parts = new QSplitter(orientation, window);
  parts->setObjectName(name);
  parts->setChildrenCollapsible(false);
  parts->addWidget(first);
  parts->addWidget(second);
  return parts;
}

void drawGrid(GridView* grid, const Grid& contents)
{
  grid->draw(contents);
}

void drawPlot(PlotPanel* panel, const Project& project, WindowId window,
              Plot (*plot)(const Project&))
{
  if (project.window(window).visible) {
    panel->draw(plot(project));
  }
}

}  // namespace vorn
