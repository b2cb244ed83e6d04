#include "windows/spectrum/form20_spectrum.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

namespace {

constexpr int kColWidthTwips = 3500;
constexpr int kPeriodColWidthTwips = 1500;
constexpr int kCellFormat = 3;

// Fills one direction's column. Without a positive behaviour factor there is no coefficient to
// show and the column stays empty.
void fillDirection(Grid& grid, const SpectrumDirection& d, int col)
{
  if (!d.limited) {
    return;
  }
  grid.setCol(col);
  for (std::size_t k = 0; k < d.coefficient.size(); ++k) {
    grid.setRow(static_cast<int>(k) + 1);
    grid.setText(padded(d.coefficient[k]));
  }
}

}  // namespace

int buildSpectrumTable(Project& p)
{
  Grid grid = p.form20.MSFlexGrid1;
  const std::vector<double> periods = spectrumPeriods(p);
  const int rows = static_cast<int>(periods.size()) + 1;
  const int cols = static_cast<int>(form20_texts::headings.size());
  grid.setCols(cols);
  grid.setRows(rows);
  grid.clear();
  for (int r = 0; r < rows; ++r) {
    grid.setRow(r);
    for (int c = 0; c < cols; ++c) {
      grid.setCol(c);
      grid.setCellFormat(kCellFormat);
    }
  }
  for (int c = 0; c < cols; ++c) {
    grid.setColWidth(c, kColWidthTwips);
  }
  grid.setColWidth(0, kPeriodColWidthTwips);

  grid.setRow(0);
  for (int c = 0; c < cols; ++c) {
    grid.setCol(c);
    grid.setText(form20_texts::headings[static_cast<std::size_t>(c)]);
  }

  // The coefficients are those of the periods as the grid shows them.
  grid.setCol(0);
  std::vector<double> shown(periods.size());
  for (int r = 1; r < rows; ++r) {
    grid.setRow(r);
    grid.setText(padded(periods[static_cast<std::size_t>(r - 1)]));
    shown[static_cast<std::size_t>(r - 1)] = numericValue(grid.text(r, 0));
  }
  const SpectrumTableResult table = calculateSpectrumTable(p, shown);
  if (!table.finite) {
    return 0;
  }
  fillDirection(grid, table.x, 1);
  fillDirection(grid, table.y, 2);
  p.form20.MSFlexGrid1 = std::move(grid);
  return rows;
}

void Form20::OK_Click()
{
  returnTo(s_.project, WindowId::Form20, WindowId::form1);
}

}  // namespace vorn
