#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <vector>

#include "note/note_style.h"
#include "windows/report/note_document.h"

class QPainter;

namespace vorn {

// A table of the note laid out across the body's width, right to left from its first column.
// The font is the largest, from 8.5 down to 6 points, with which every column holds its widest
// cell and the longest word of its heading on one line; the headings wrap within their columns,
// each unit on a line of its own below its heading. A table too wide even at 6 points has its
// columns narrowed in proportion and its cells wrapped.
class NoteTableLayout {
public:
  NoteTableLayout(const NoteTable& table, const NoteStyle& style, double width);

  double headerHeight() const { return headerHeight_; }
  std::size_t rows() const { return rows_.size(); }
  double rowHeight(std::size_t row) const { return rows_[row].height; }
  double fontPoints() const { return points_; }

  // The header row, its top at `top`; the table's right edge is the body's.
  void drawHeader(QPainter& painter, double top) const;
  // One row below the header, its top at `top`.
  void drawRow(QPainter& painter, std::size_t row, double top) const;

private:
  struct Cell {
    QString shown;
    bool number = false;
  };
  struct Row {
    std::vector<Cell> cells;
    double height = 0;
    bool wraps = false;  // a cell wider than its column, wrapped
  };
  struct Column {
    double right = 0;  // its right edge
    double width = 0;
    double numbers = 0;  // the widest number's width
    NoteTextBox heading;
    NoteTextBox unit;
  };

  void drawVerticals(QPainter& painter, double top, double height) const;

  NoteStyle style_;
  double points_ = 8.5;
  QFont font_;
  double padding_ = 0;
  double verticalPadding_ = 0;
  bool keyColumn_ = false;
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  double headerHeight_ = 0;
  double left_ = 0;
  double right_ = 0;
};

}  // namespace vorn
