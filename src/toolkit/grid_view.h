#pragma once

#include <QAction>
#include <QListWidget>
#include <QTableView>
#include <QTableWidget>
#include <vector>

#include "model/grid.h"

namespace vorn {

// Draws a grid's contents so that it reads on a small screen. The header row (row 0) is the
// table's header: it stays in sight while the rows scroll, its texts wrap onto at most three lines
// and the header grows taller for them; the row itself stays in the table, hidden, so that row k
// of the table is row k of the grid. Every column is as wide as its widest number, or its header
// on three lines, needs; room the window has beyond that goes to the columns after the first, and
// a column without any text keeps the width the grid asks for in twips. The first column, the
// story numbers, stays in sight when the table scrolls sideways: a second view of the same cells
// showing only that column lies over it, on whichever side the layout direction puts it. A grid
// whose contents change scrolls back to its start. The selection, or the whole grid when nothing
// is selected, copies to the clipboard (Ctrl+C or the context menu) as tab-separated lines that a
// spreadsheet reads. Read-only.
class GridView : public QTableWidget {
public:
  explicit GridView(QWidget* parent = nullptr);
  void draw(const Grid& grid);

  // The first column that stays in sight.
  QTableView* frozenColumn() const { return frozen_; }
  // The command that copies (in the context menu, with Ctrl+C).
  QAction* copyAction() const { return copy_; }
  // The selected cells, or every cell when none is selected, as the grid shows them: a tab
  // between cells, a new line between rows. Unselected cells inside the selection's bounds are
  // empty; the header of a column whose every row is selected comes first.
  QString copiedText() const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void updateGeometries() override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
  void fitColumns(const Grid& grid);
  void spreadColumns();
  void fitHeaderHeight();
  void placeFrozenColumn();

  QTableView* frozen_ = nullptr;
  QAction* copy_ = nullptr;
  std::vector<int> needed_;  // the width each column's texts need
  bool fitting_ = false;
  bool spreading_ = false;
  bool resizedByUser_ = false;
};

// Draws a list box's lines. Read-only.
class ListView : public QListWidget {
public:
  explicit ListView(QWidget* parent = nullptr);
  void draw(const ListBox& list);
};

}  // namespace vorn
