#include "windows/torsion/form17_torsion_summary.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

namespace {

constexpr int kCellFormat = 3;
constexpr int kColWidthTwips = 3000;

// The per-story values behind columns 1 … 6.
constexpr std::array<StoryArray TorsionCentres::*, 6> kColumns = {
    &TorsionCentres::DIMx, &TorsionCentres::DIMy, &TorsionCentres::CMx,
    &TorsionCentres::CMy,  &TorsionCentres::CRx,  &TorsionCentres::CRy};

}  // namespace

void Form17::fill()
{
  Project& p = s_.project;
  Form17Contents& f = p.form17;
  f.Label1.caption = form17_texts::unitLabel;
  f.Label2.caption = std::string(form17_texts::planX) + padded(p.FDIMx);
  f.Label3.caption = std::string(form17_texts::planY) + padded(p.FDIMy);
  f.Label4.caption = std::string(form17_texts::thickness) + padded(p.FTHK);
  openOver(p, WindowId::form1, WindowId::Form17);

  const int n = p.N >= 1 ? std::min(static_cast<int>(std::floor(p.N)), kMaxStories) : 0;
  const int cols = static_cast<int>(form17_texts::headings.size());
  Grid& g = f.MSFlexGrid1;
  g.clear();
  g.setCols(cols);
  g.setRows(n + 1);
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r <= n; ++r) {
      g.setRow(r);
      g.setCol(c);
      g.setCellFormat(kCellFormat);
    }
    g.setColWidth(c, kColWidthTwips);
  }
  for (int c = 0; c < cols; ++c) {
    g.setRow(0);
    g.setCol(c);
    g.setText(form17_texts::headings.at(static_cast<std::size_t>(c)));
  }
  for (int c = 0; c < cols; ++c) {
    for (int r = 1; r <= n; ++r) {
      g.setRow(r);
      g.setCol(c);
      const double value =
          c == 0 ? static_cast<double>(r) : (p.*kColumns.at(static_cast<std::size_t>(c - 1)))[r];
      g.setText(padded(value));
    }
  }
}

void Form17::OK_Click()
{
  returnTo(s_.project, WindowId::Form17, WindowId::form1);
}

}  // namespace vorn
