#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>

#include "model/project.h"
#include "toolkit/grid_view.h"
#include "toolkit/plot_panel_view.h"
#include "windows/common/plot_data.h"

namespace vorn {

// The pieces the results windows have in common. A results window is a dialog of its logic and of
// what it shows in the project: its tables, labels and plots over OK in the middle of the bottom
// row. OK runs the logic's OK event; the window frame's close button runs the event the window
// names (its Form_QueryUnload, or OK where the window has none). The window makes and lays out
// what it shows itself.

// OK, at least 100 pixels wide and wider than its text, in the middle of a row.
QHBoxLayout* okRow(QPushButton* ok);

// Two parts of a window side by side (the first on the right, right to left) or one over the other
// (the first on top). The user moves the line between them but cannot push either out of sight;
// the window keeps where the user left it under the splitter's name.
QSplitter* split(QWidget* window, const char* name, Qt::Orientation orientation, QWidget* first,
                 QWidget* second);

// Draws a grid; its headers are longer than their numbers are wide and wrap onto a taller header.
void drawGrid(GridView* grid, const Grid& contents);

// The plot follows the tables while the window is shown.
void drawPlot(PlotPanel* panel, const Project& project, WindowId window,
              Plot (*plot)(const Project&));

}  // namespace vorn
