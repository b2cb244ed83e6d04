#include "windows/static/run7_allowable_drifts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/static/form22_allowable_drifts.h"
#include "windows/static/run1_static.h"

namespace vorn {

namespace {

constexpr int kColWidthTwips = 3000;
constexpr int kCellFormat = 3;

// The allowable drift of story i in whole hundredths of a centimetre.
double allowableHundredths(const Project& p, int i, double period, double R)
{
  const double k = period >= 0.7 ? 0.02 : 0.025;
  return roundHalfEven(k / 0.7 / R * p.HS[i] * 10000);
}

// Whether one direction's drifts and their running total are finite numbers; story heights far
// beyond any building (a hand-edited project file) can overflow them.
bool finiteDirection(const Project& p, int stories, double period, double R)
{
  if (!(R > 0)) {
    return true;
  }
  double hundredths = 0;
  for (int i = 1; i <= stories; ++i) {
    hundredths += allowableHundredths(p, i, period, R);
  }
  return std::isfinite(hundredths);
}

// Fills one direction's two columns: the story drift and the running total, both in cm to
// 0.01. The total adds the rounded drifts as whole hundredths, so it carries no binary residue.
// A direction without a positive behaviour factor has no limit to show: its cells stay empty.
void fillDirection(Grid& grid, const Project& p, int stories, double period, double R, int driftCol)
{
  if (!(R > 0)) {
    return;
  }
  double hundredths = 0;
  for (int i = 1; i <= stories; ++i) {
    const double drift = allowableHundredths(p, i, period, R);
    hundredths += drift;
    grid.setRow(i);
    grid.setCol(driftCol);
    grid.setText(padded(drift / 100));
    grid.setCol(driftCol + 1);
    grid.setText(padded(hundredths / 100));
  }
}

}  // namespace

void RUN7(Session& session)
{
  Project& p = session.project;
  Grid& grid = p.form22.MSFlexGrid1;
  const int stories = static_cast<int>(std::clamp(p.N, 0.0, static_cast<double>(kMaxStories)));
  if (!finiteDirection(p, stories, p.Tx, p.Rx) || !finiteDirection(p, stories, p.Ty, p.Ry)) {
    session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }
  openOver(p, WindowId::form1, WindowId::Form22);

  const int cols = static_cast<int>(form22_texts::headers.size());
  grid.setCols(cols);
  grid.setRows(stories + 1);
  grid.clear();
  for (int c = 0; c < cols; ++c) {
    grid.setColWidth(c, kColWidthTwips);
  }
  for (int r = 0; r <= stories; ++r) {
    grid.setRow(r);
    for (int c = 0; c < cols; ++c) {
      grid.setCol(c);
      grid.setCellFormat(kCellFormat);
      grid.setText(r == 0 ? form22_texts::headers[static_cast<std::size_t>(c)]
                          : (c == 0 ? padded(static_cast<double>(r)) : std::string()));
    }
  }

  fillDirection(grid, p, stories, p.Tx, p.Rx, 1);
  fillDirection(grid, p, stories, p.Ty, p.Ry, 3);

  offerReportTable(p, ReportTable::AllowableDrifts);
}

}  // namespace vorn
