#pragma once

#include <string>
#include <vector>

namespace vorn {

// Contents of a grid control: one fixed header row (row 0), no fixed column, the text of every
// cell, the width of every column in twips and one cell format shared by every filled cell.
class Grid {
public:
  Grid(int rows, int cols);

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  // Empties every cell, keeping the row and column counts.
  void clear();
  // Changing a count keeps the cells that still exist; rows or columns beyond it are gone.
  void setRows(int rows);
  void setCols(int cols);

  void setColWidth(int col, int twips);
  int colWidth(int col) const;

  // The filling routines' way: make a cell current, then write its text and format.
  void setRow(int row);
  void setCol(int col);
  int row() const { return row_; }
  int col() const { return col_; }
  void setText(const std::string& text);
  void setText(std::string&& text);
  void setCellFormat(int format);

  // Direct access by row and column; outside the grid throws std::out_of_range.
  void setCell(int row, int col, const std::string& text);
  void setCell(int row, int col, std::string&& text);
  void setCell(int row, int col, std::string&& text, int format);
  const std::string& text(int row, int col) const;
  int cellFormat(int row, int col) const;

  friend bool operator==(const Grid&, const Grid&) = default;

private:
  std::size_t at(int row, int col) const;
  void resize(int rows, int cols);

  int rows_ = 0;
  int cols_ = 0;
  int row_ = 0;
  int col_ = 0;
  std::vector<std::string> texts_;
  std::vector<int> formats_;
  std::vector<int> widths_;
};

// Contents of a list box: ordered text lines.
class ListBox {
public:
  void clear() { lines_.clear(); }
  void addItem(const std::string& line) { lines_.push_back(line); }
  const std::vector<std::string>& lines() const { return lines_; }
  int count() const { return static_cast<int>(lines_.size()); }

  friend bool operator==(const ListBox&, const ListBox&) = default;

private:
  std::vector<std::string> lines_;
};

// A grid's default column width in twips before a filling routine sets one.
inline constexpr int kDefaultColWidthTwips = 960;
// Screen conversion used by the views.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace vorn
