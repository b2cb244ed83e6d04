#include "model/grid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vorn {

Grid::Grid(int rows, int cols)
{
  resize(rows, cols);
}

void Grid::clear()
{
  for (auto& t : texts_) {
    t.clear();
  }
}

void Grid::setRows(int rows)
{
  resize(rows, cols_);
}
void Grid::setCols(int cols)
{
  resize(rows_, cols);
}

void Grid::resize(int rows, int cols)
{
  if (rows < 0 || cols < 0) {
    throw std::out_of_range("negative grid size");
  }
  if (cols == cols_) {
    // Rows are kept in order, so the cells that stay keep their places.
    const std::size_t cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    texts_.resize(cells);
    formats_.resize(cells, 0);
    widths_.resize(static_cast<std::size_t>(cols), kDefaultColWidthTwips);
    rows_ = rows;
    row_ = std::min(row_, std::max(rows_ - 1, 0));
    col_ = std::min(col_, std::max(cols_ - 1, 0));
    return;
  }
  std::vector<std::string> texts(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  std::vector<int> formats(texts.size(), 0);
  for (int r = 0; r < std::min(rows, rows_); ++r) {
    for (int c = 0; c < std::min(cols, cols_); ++c) {
      const std::size_t to = static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                             static_cast<std::size_t>(c);
      texts[to] = std::move(texts_[at(r, c)]);
      formats[to] = formats_[at(r, c)];
    }
  }
  widths_.resize(static_cast<std::size_t>(cols), kDefaultColWidthTwips);
  texts_ = std::move(texts);
  formats_ = std::move(formats);
  rows_ = rows;
  cols_ = cols;
  row_ = std::min(row_, std::max(rows_ - 1, 0));
  col_ = std::min(col_, std::max(cols_ - 1, 0));
}

std::size_t Grid::at(int row, int col) const
{
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
    throw std::out_of_range("grid cell " + std::to_string(row) + "," + std::to_string(col) +
                            " outside " + std::to_string(rows_) + "x" + std::to_string(cols_));
  }
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
         static_cast<std::size_t>(col);
}

static void checkRange(const char* what, int index, int count)
{
  if (index < 0 || index >= count) {
    throw std::out_of_range(std::string("grid ") + what + " " + std::to_string(index) +
                            " outside 0.." + std::to_string(count - 1));
  }
}

void Grid::setColWidth(int col, int twips)
{
  checkRange("column", col, cols_);
  widths_[static_cast<std::size_t>(col)] = twips;
}

int Grid::colWidth(int col) const
{
  checkRange("column", col, cols_);
  return widths_[static_cast<std::size_t>(col)];
}

void Grid::setRow(int row)
{
  checkRange("row", row, rows_);
  row_ = row;
}

void Grid::setCol(int col)
{
  checkRange("column", col, cols_);
  col_ = col;
}

void Grid::setText(const std::string& text)
{
  texts_[at(row_, col_)] = text;
}
void Grid::setText(std::string&& text)
{
  texts_[at(row_, col_)] = std::move(text);
}
void Grid::setCellFormat(int format)
{
  formats_[at(row_, col_)] = format;
}

void Grid::setCell(int row, int col, const std::string& text)
{
  texts_[at(row, col)] = text;
}
void Grid::setCell(int row, int col, std::string&& text)
{
  texts_[at(row, col)] = std::move(text);
}
void Grid::setCell(int row, int col, std::string&& text, int format)
{
  const std::size_t k = at(row, col);
  texts_[k] = std::move(text);
  formats_[k] = format;
}
const std::string& Grid::text(int row, int col) const
{
  return texts_[at(row, col)];
}
int Grid::cellFormat(int row, int col) const
{
  return formats_[at(row, col)];
}

}  // namespace vorn
