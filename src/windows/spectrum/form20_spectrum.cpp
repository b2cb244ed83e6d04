#include "windows/spectrum/form20_spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

namespace {

constexpr int kColWidthTwips = 3500;
constexpr int kPeriodColWidthTwips = 1500;
constexpr int kCellFormat = 3;

// Spectrum factor B of the soil at period T; the 0.00001 s belongs to the descending branch.
// The rising branch starts at 1 at T = 0 (also for a corner period of 0 read from a damaged file).
double spectrumFactor(const Project& p, double T)
{
  if (T <= p.T0) {
    return p.T0 > 0 ? 1 + p.S * T / p.T0 : 1;
  }
  if (T <= p.TS) {
    return p.S + 1;
  }
  return (p.S + 1) * std::pow(p.TS / (T + 0.00001), 2.0 / 3.0);
}

// Fills one direction's column from the periods the grid shows. Without a positive behaviour
// factor there is no coefficient to show and the column stays empty. False when a coefficient is
// not a finite number (values far beyond any site, from a hand-edited project file).
bool fillDirection(Grid& grid, const Project& p, int lastRow, int col, double R)
{
  if (!(R > 0)) {
    return true;
  }
  grid.setCol(col);
  for (int r = 1; r <= lastRow; ++r) {
    const double B = spectrumFactor(p, numericValue(grid.text(r, 0)));
    const double value = B / R >= 0.1 ? p.a * B * p.i / R : 0.1 * p.a * p.i;
    const double shown = roundHalfEven(value * 10000) / 10000;
    if (!std::isfinite(shown)) {
      return false;
    }
    grid.setRow(r);
    grid.setText(padded(shown));
  }
  return true;
}

}  // namespace

int buildSpectrumTable(Project& p)
{
  Grid grid = p.form20.MSFlexGrid1;
  const double steps = p.TSTEP > 0 ? roundHalfEven(p.TMAX / p.TSTEP) : 0;
  const int n = static_cast<int>(std::clamp(steps, 0.0, static_cast<double>(kMaxSpectrumSteps)));
  const int rows = n + 2;
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

  grid.setCol(0);
  for (int r = 1; r < rows; ++r) {
    const double T = (r - 1) * p.TSTEP;
    grid.setRow(r);
    grid.setText(padded(T > p.TMAX ? p.TMAX : T));
  }

  if (!fillDirection(grid, p, rows - 1, 1, p.Rx) || !fillDirection(grid, p, rows - 1, 2, p.Ry)) {
    return 0;
  }
  p.form20.MSFlexGrid1 = std::move(grid);
  return rows;
}

void Form20::OK_Click()
{
  returnTo(s_.project, WindowId::Form20, WindowId::form1);
}

}  // namespace vorn
