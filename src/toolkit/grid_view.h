#pragma once

#include <QListWidget>
#include <QTableWidget>

#include "model/grid.h"

namespace vorn {

// Draws a grid's contents: the header row as the table's fixed top row, every cell's text,
// column widths at 15 twips per pixel. Read-only.
class GridView : public QTableWidget {
public:
  explicit GridView(QWidget* parent = nullptr);
  void draw(const Grid& grid);
};

// Draws a list box's lines. Read-only.
class ListView : public QListWidget {
public:
  explicit ListView(QWidget* parent = nullptr);
  void draw(const ListBox& list);
};

}  // namespace vorn
