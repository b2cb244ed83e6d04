#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>

#include "toolkit/application_view.h"
#include "toolkit/button_window_view.h"
#include "toolkit/grid_view.h"
#include "toolkit/plot_panel_view.h"
#include "windows/common/plot_data.h"

namespace vorn {

// A window that shows results: its tables, labels and plots over OK in the middle of the bottom
// row. OK runs the logic's OK event; the window frame's close button runs the event the window
// names (its Form_QueryUnload, or OK where the window has none). The window makes and lays out
// what it shows itself; these are the pieces the results windows have in common.
template <typename Logic>
class ResultsWindowView : public ButtonWindowView {
public:
  QPushButton* okButton() const { return ok_; }

protected:
  ResultsWindowView(ViewApplication& app, WindowId id, const char* caption, Logic& logicMember,
                    void (Logic::*frameClose)())
      : ButtonWindowView(app, id, caption), logic_(logicMember), frameClose_(frameClose)
  {
  }

  // OK, at least 100 pixels wide, in the middle of a row.
  QHBoxLayout* okRow(const char* caption)
  {
    Logic& logic = logic_;
    ok_ = addButton("OK", caption, [&logic] { logic.OK_Click(); });
    ok_->setMinimumWidth(100);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok_);
    row->addStretch();
    return row;
  }

  // A plot panel of this window; its save button asks through the session's prompter.
  PlotPanel* newPlot() { return new PlotPanel(app().session().prompter, this); }

  // Two parts side by side (the first on the right, right to left) or one over the other (the
  // first on top). The user moves the line between them but cannot push either out of sight.
  QSplitter* split(Qt::Orientation orientation, QWidget* first, QWidget* second)
  {
    auto* parts = new QSplitter(orientation, this);
    parts->setChildrenCollapsible(false);
    parts->addWidget(first);
    parts->addWidget(second);
    return parts;
  }

  // Draws a grid; its headers are longer than their columns are wide and wrap onto a taller
  // header row.
  static void drawGrid(GridView* grid, const Grid& contents)
  {
    grid->draw(contents);
    if (grid->rowCount() > 0) {
      grid->resizeRowToContents(0);
    }
  }

  // The plot follows the tables while the window is shown.
  void drawPlot(PlotPanel* panel, Plot (*plot)(const Project&))
  {
    if (app().project().window(id()).visible) {
      panel->draw(plot(app().project()));
    }
  }

  bool frameCloseRequested() override
  {
    (logic_.*frameClose_)();
    return true;
  }

private:
  Logic& logic_;
  void (Logic::*frameClose_)();
  QPushButton* ok_ = nullptr;
};

}  // namespace vorn
