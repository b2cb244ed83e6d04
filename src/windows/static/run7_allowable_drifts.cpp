#include "windows/static/run7_allowable_drifts.h"

#include <cstddef>

#include "calculations/allowable_drifts.h"
#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/common/run_messages.h"
#include "windows/static/form22_allowable_drifts.h"

namespace vorn {

namespace {

constexpr int kColWidthTwips = 3000;
constexpr int kCellFormat = 3;

// Fills one direction's two columns: the story drift and the running total, both in cm to
// 0.01. A direction without a positive behaviour factor has no limit to show: its cells stay
// empty.
void fillDirection(Grid& grid, const AllowableDriftDirection& d, int stories, int driftCol)
{
  if (!d.limited) {
    return;
  }
  for (int i = 1; i <= stories; ++i) {
    grid.setRow(i);
    grid.setCol(driftCol);
    grid.setText(padded(d.drift[i] / 100));
    grid.setCol(driftCol + 1);
    grid.setText(padded(d.total[i] / 100));
  }
}

}  // namespace

void RUN7(Session& session)
{
  Project& p = session.project;
  Grid& grid = p.form22.MSFlexGrid1;
  const AllowableDriftsResult result = calculateAllowableDrifts(p);
  const int stories = result.n;
  if (!result.finite) {
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

  fillDirection(grid, result.x, stories, 1);
  fillDirection(grid, result.y, stories, 3);

  offerReportTable(p, ReportTable::AllowableDrifts);
}

}  // namespace vorn
