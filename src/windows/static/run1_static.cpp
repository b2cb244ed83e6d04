#include "windows/static/run1_static.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "calculations/static_run.h"
#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/main/form1_main.h"

namespace vorn {

namespace {

// ---- The results window's contents ------------------------------------------------------------

// Decimal digits of a whole number, at least `width` of them.
std::string digits(double whole, std::size_t width)
{
  std::string s;
  double v = std::fabs(whole);
  do {
    const double next = std::floor(v / 10);
    s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v - next * 10)));
    v = next;
  } while (v > 0);
  if (s.size() < width) {
    s.insert(0, width - s.size(), '0');
  }
  return s;
}

ListBox listLines(const Project& p, const StaticRunResult& r)
{
  namespace t = run1_texts;
  ListBox list;
  list.addItem(std::string(t::empiricalX) + periodText(r.TEx));
  list.addItem(std::string(t::empiricalY) + periodText(r.TEy));
  if (p.form8.Check[4].value == 0) {
    list.addItem(std::string(r.TA >= 1 ? t::analyticalAtLeastOne : t::analyticalBelowOne) +
                 periodText(r.TA));
  }
  list.addItem(std::string(t::designX) + periodText(r.Tx));
  list.addItem(std::string(t::designY) + periodText(r.Ty));
  list.addItem(std::string(t::bx) + padded(r.Bx) + t::bxMeaning);
  list.addItem(std::string(t::by) + padded(r.By) + t::byMeaning);
  if (r.xFloor) {
    list.addItem(t::xFloor);
  }
  list.addItem(std::string(t::cx) + coefficientText(r.Cx) + t::cxMeaning);
  list.addItem(std::string(t::cy) + coefficientText(r.Cy) + t::cyMeaning);
  list.addItem(std::string(t::baseShearX) + padded(r.Vx));
  list.addItem(std::string(t::baseShearY) + padded(r.Vy));
  list.addItem(std::string(t::topForceX) + padded(roundHalfEven(r.Ftx)));
  list.addItem(std::string(t::topForceY) + padded(roundHalfEven(r.Fty)));
  return list;
}

Grid resultGrid(const Project& p, const StaticRunResult& r)
{
  constexpr int kCellFormat = 3;
  // Column 0 keeps the grid's default width.
  constexpr std::array<int, 7> widths = {1500, 1500, 1500, 2000, 2000, 3000, 3000};
  const int n = r.n;
  Grid g(n + 1, 8);
  for (int col = 1; col < 8; ++col) {
    g.setColWidth(col, widths.at(static_cast<std::size_t>(col - 1)));
  }
  auto put = [&g](int row, int col, std::string text) {
    g.setCell(row, col, std::move(text), kCellFormat);
  };
  for (int col = 0; col < 8; ++col) {
    put(0, col, run1_texts::gridHeaders.at(static_cast<std::size_t>(col)));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 0, padded(static_cast<double>(i)));
    put(i, 1, padded(p.HS[i]));
    put(i, 2, padded(r.level[i]));
    put(i, 3, padded(roundHalfEven(r.weight[i])));
    put(i, 4, padded(r.forceX[i]));
    put(i, 5, padded(r.forceY[i]));
    put(i, 6, padded(r.diaphragmX[i]));
    put(i, 7, padded(r.diaphragmY[i]));
  }
  // The filling leaves the last cell current.
  g.setRow(n);
  g.setCol(7);
  return g;
}

// Writes a completed run into the project. Stories above N keep what an earlier run left there.
void store(Project& p, const StaticRunResult& r)
{
  p.TEx = r.TEx;
  p.TEy = r.TEy;
  p.Tx = r.Tx;
  p.Ty = r.Ty;
  p.TA = r.TA;
  p.Bx = r.Bx;
  p.By = r.By;
  p.Cx = r.Cx;
  p.Cy = r.Cy;
  p.WT = r.WT;
  p.Vx = r.Vx;
  p.Vy = r.Vy;
  p.Ftx = r.Ftx;
  p.Fty = r.Fty;
  p.LevelHeight[0] = 0;
  for (int i = 1; i <= r.n; ++i) {
    p.LevelHeight[i] = r.level[i];
    p.StoryWeight[i] = r.weight[i];
    p.ForceX[i] = r.forceX[i];
    p.ForceY[i] = r.forceY[i];
    p.DiaphragmX[i] = r.diaphragmX[i];
    p.DiaphragmY[i] = r.diaphragmY[i];
  }
}

}  // namespace

std::string periodText(double seconds)
{
  if (seconds >= 1) {
    return padded(seconds) + run1_texts::seconds;
  }
  const double hundredths = std::nearbyint(seconds * 100);
  std::string text;
  if (hundredths < 0) {
    text += '-';
  }
  text += digits(hundredths, 2);
  text += run1_texts::commaSeconds;
  return text;
}

std::string coefficientText(double coefficient)
{
  const double thousandths = std::nearbyint(coefficient * 1000);
  if (thousandths < 0 || thousandths >= 1000) {
    return padded(coefficient);
  }
  std::string text = run1_texts::comma;
  text += digits(thousandths, 3);
  return text;
}

void RUN1(Session& session)
{
  Project& p = session.project;
  const StaticRunResult r = calculateStaticRun(p);
  // The bearing-wall caps stay whatever follows.
  p.Rx = r.Rx;
  p.Ry = r.Ry;

  switch (r.stop) {
    case StaticStop::codeCheck:
      p.TA = p.T;
      session.prompter.message(
          run1_texts::stopMessages.at(static_cast<std::size_t>(r.failedCheck - 1)),
          r.failedCheck <= 4 ? run1_texts::checkTitle : kProgramTitle);
      return;
    // A failing number leaves no half result behind: nothing is stored.
    case StaticStop::zeroSum:
      session.prompter.message(run1_texts::zeroSumMessage, run1_texts::checkTitle);
      return;
    case StaticStop::invalid:
      session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
      return;
    case StaticStop::none:
      break;
  }

  p.form13.List1 = listLines(p, r);
  p.form13.MSFlexGrid1 = resultGrid(p, r);
  store(p, r);

  openOver(p, WindowId::form1, WindowId::Form13);
  session.form1.lockInputsAfterRun();
  offerReportTable(p, ReportTable::StaticShears);
}

}  // namespace vorn
