#include "windows/static/run1_static.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/main/form1_main.h"

namespace vorn {

namespace {

// ---- Groups of the resisting systems ----------------------------------------------------------

bool isOneOf(double code, std::initializer_list<int> codes)
{
  for (int c : codes) {
    if (code == c) {
      return true;
    }
  }
  return false;
}

bool steel(double code)
{
  return isOneOf(code, {9, 10, 14, 15, 16, 19, 20, 21, 22, 23});
}
bool concrete(double code)
{
  return isOneOf(code, {11, 12, 13, 18});
}
// Systems allowed above 15 stories or 50 m: special moment frames and the dual systems.
bool tall(double code)
{
  return isOneOf(code, {11, 14, 17, 18, 19, 20, 21, 22, 23});
}
bool special(double code)
{
  return isOneOf(code, {1, 5, 11, 14, 17, 20, 21});
}
bool bearingWalls(double code)
{
  return isOneOf(code, {1, 2, 3, 4});
}
// I is always one of the dialog's fixed values, so the comparisons are exact.
bool highImportance(double i)
{
  return i == 1.2 || i == 1.4;
}

// The code checks in their order. Returns the number of the message of the first check that
// fails, 0 when every check passes. A bearing-wall system in one direction caps the other
// direction's R at its own on the way; the cap stays even when a later check fails.
int codeChecks(Project& p)
{
  const double x = p.SYSTEMx;
  const double y = p.SYSTEMy;
  if (steel(x) && concrete(y)) {
    return 1;
  }
  if (concrete(x) && steel(y)) {
    return 2;
  }
  if ((p.N > 15 || p.H1 > 50) && !(tall(x) && tall(y))) {
    return 3;
  }
  if (p.H1 > p.Hmax) {
    return 4;
  }
  if (highImportance(p.i) && (x == 13 || y == 13)) {
    return 5;
  }
  if (bearingWalls(x) && p.Ry > p.Rx) {
    p.Ry = p.Rx;
  }
  if (p.i == 1.4 && p.a == 0.35 && !(special(x) && special(y))) {
    return 6;
  }
  if (bearingWalls(y) && p.Rx > p.Ry) {
    p.Rx = p.Ry;
  }
  if ((x == 13 || y == 13) && p.a > 0.25) {
    return 7;
  }
  if ((x == 16 || y == 16) && (highImportance(p.i) || !(p.N <= 1) || !(p.H1 <= 18))) {
    return 8;
  }
  return 0;
}

// ---- Periods, reflection factor and seismic coefficient ---------------------------------------

// One direction's values before rounding.
struct Spectrum {
  double TE = 0;  // empirical period
  double Td = 0;  // design period
  double B = 0;
  double C = 0;
};

Spectrum spectrum(const Project& p, double code, bool infill, double R)
{
  Spectrum d;
  const double h = std::pow(p.H1, 0.75);
  if (isOneOf(code, {14, 15, 16})) {
    d.TE = 0.08 * h;
    if (infill) {
      d.TE *= 0.8;
    }
  } else if (isOneOf(code, {11, 12, 13})) {
    d.TE = 0.07 * h;
    if (infill) {
      d.TE *= 0.8;
    }
  } else {
    d.TE = 0.05 * h;  // infill walls do not change the period of the other systems
  }

  if (p.form8.Check[4].value != 0) {
    d.Td = d.TE;
  } else {
    d.Td = 1.25 * d.TE;
    if (p.T < d.Td) {
      d.Td = p.T;
    }
  }

  if (d.Td < p.T0) {
    d.B = 1 + p.S * d.Td / p.T0;
  } else if (d.Td < p.TS) {
    d.B = p.S + 1;
  } else {
    d.B = (p.S + 1) * std::pow(p.TS / d.Td, 2.0 / 3.0);
  }

  if (d.B / R > 0.1) {
    d.C = p.a * d.B * p.i / R;
  } else {
    d.C = 0.1 * p.a * p.i;
  }
  return d;
}

// Whether the rounded B over R is below one tenth. B holds hundredths and R a whole number (or a
// few decimals), so a ratio that is one tenth in decimals (0.6 / 6) is one tenth, even where the
// binary division lands a hair below it.
bool belowOneTenth(double B, double R)
{
  const double ratio = B / R;
  return ratio < 0.1 && std::fabs(ratio - 0.1) > 1e-12;
}

// ---- The whole computation, into a staging copy -----------------------------------------------

enum class Fault { none, zeroSum, invalid };

// Working values by level, 0 to N; N has been checked against the tables' capacity first.
using StoryValues = std::array<double, kMaxStories + 1>;

struct Results {
  double TEx = 0, TEy = 0, Tx = 0, Ty = 0, TA = 0, Bx = 0, By = 0, Cx = 0, Cy = 0;
  bool xFloor = false;  // the rounded Bx / Rx fell below one tenth and Cx took the floor value
  int n = 0;
  StoryValues weight{}, level{}, forceX{}, forceY{}, diaphragmX{}, diaphragmY{};
  double WT = 0, Vx = 0, Vy = 0, Ftx = 0, Fty = 0;
};

struct Computation {
  Fault fault = Fault::none;
  Results r;
};

bool finite(std::initializer_list<double> values)
{
  for (double v : values) {
    if (!std::isfinite(v)) {
      return false;
    }
  }
  return true;
}

// Top force of one direction from its rounded design period and base shear.
double topForce(double Td, double V)
{
  double Ft = Td >= 0.7 ? 0.07 * Td * V : 0.0;
  if (0.25 * V < Ft) {
    Ft = 0.25 * V;
  }
  return Ft;
}

Computation compute(const Project& p)
{
  Computation c;
  Results& r = c.r;

  const Spectrum x = spectrum(p, p.SYSTEMx, p.form8.Check[1].value != 0, p.Rx);
  const Spectrum y = spectrum(p, p.SYSTEMy, p.form8.Check[2].value != 0, p.Ry);
  r.TEx = roundHalfEven(x.TE, 2);
  r.TEy = roundHalfEven(y.TE, 2);
  r.Tx = roundHalfEven(x.Td, 2);
  r.Ty = roundHalfEven(y.Td, 2);
  r.TA = roundHalfEven(p.T, 2);
  r.Bx = roundHalfEven(x.B, 2);
  r.By = roundHalfEven(y.B, 2);
  r.Cx = roundHalfEven(x.C, 3);
  r.Cy = roundHalfEven(y.C, 3);
  // The floor is tested once more on the rounded Bx, for x only.
  if (belowOneTenth(r.Bx, p.Rx)) {
    r.Cx = roundHalfEven(0.1 * p.a * p.i, 3);
    r.xFloor = true;
  }
  if (!finite({r.TEx, r.TEy, r.Tx, r.Ty, r.TA, r.Bx, r.By, r.Cx, r.Cy})) {
    c.fault = Fault::invalid;
    return c;
  }

  if (!(p.N >= 1 && p.N <= kMaxStories) || p.N != std::floor(p.N)) {
    c.fault = Fault::invalid;
    return c;
  }
  const int n = static_cast<int>(p.N);
  r.n = n;

  // Level heights and story weights. The wall fields of a record are the walls standing on that
  // level (the parapet on the roof); a level carries half of the walls above it and half of those
  // below it, the roof its parapet in full.
  r.level[0] = 0;
  for (int i = 1; i <= n; ++i) {
    r.level[i] = r.level[i - 1] + p.HS[i];
  }
  auto wall = [&p](int j, double h) { return p.PW[j] * h * (1 - p.PERW[j] / 100) * p.LW[j]; };
  auto floorLoad = [&p](int i) { return (p.DL[i] + p.LL[i] * p.PERL[i] / 100) * p.AR[i]; };
  for (int i = 1; i <= n; ++i) {
    if (i == 1) {
      r.weight[1] = wall(1, p.HW[1]) / 2 + floorLoad(1) + wall(1, p.HS[1]) / 2 + p.LOD[1];
    } else if (i == n) {
      r.weight[n] = wall(n, p.HW[n]) + floorLoad(n) + wall(n - 1, p.HW[n - 1]) / 2 + p.LOD[n];
    } else {
      r.weight[i] = wall(i, p.HW[i]) / 2 + floorLoad(i) + wall(i - 1, p.HW[i - 1]) / 2 + p.LOD[i];
    }
  }
  r.WT = 0;
  double S = 0;
  for (int i = 1; i <= n; ++i) {
    if (!finite({r.level[i], r.weight[i]})) {
      c.fault = Fault::invalid;
      return c;
    }
    r.WT += r.weight[i];
    S += r.weight[i] * r.level[i];
  }

  // The weight from each level to the roof, summed from the roof down.
  StoryValues weightAbove{};
  for (int i = n; i >= 1; --i) {
    weightAbove[i] = r.weight[i] + (i < n ? weightAbove[i + 1] : 0.0);
  }
  for (int i = 1; i <= n; ++i) {
    if (weightAbove[i] == 0) {
      c.fault = Fault::zeroSum;
      return c;
    }
  }
  if (S == 0) {
    c.fault = Fault::zeroSum;
    return c;
  }

  // Base shears, top forces and level forces, x for every level first, then y.
  r.Vx = roundHalfEven(r.WT * r.Cx);
  r.Vy = roundHalfEven(r.WT * r.Cy);
  r.Ftx = topForce(r.Tx, r.Vx);
  r.Fty = topForce(r.Ty, r.Vy);
  auto distribute = [&](double V, double Ft, StoryValues& F) {
    for (int i = 1; i <= n; ++i) {
      F[i] = (V - Ft) * r.weight[i] * r.level[i] / S;
    }
    F[n] = F[n] + Ft;
    for (int i = 1; i <= n; ++i) {
      F[i] = roundHalfEven(F[i]);
    }
  };
  distribute(r.Vx, r.Ftx, r.forceX);
  distribute(r.Vy, r.Fty, r.forceY);

  // Diaphragm forces from the rounded level forces, kept between 0.35 and 0.7 times A I W.
  const double lowFactor = 0.35 * p.a * p.i;
  const double highFactor = 0.7 * p.a * p.i;
  double sumX = 0;  // forces from level i to the roof
  double sumY = 0;
  for (int i = n; i >= 1; --i) {
    sumX += r.forceX[i];
    sumY += r.forceY[i];
    const double low = lowFactor * r.weight[i];
    const double high = highFactor * r.weight[i];
    auto bounded = [&](double Fp) {
      if (Fp < low) {
        Fp = low;
      }
      if (Fp > high) {
        Fp = high;
      }
      return roundHalfEven(Fp);
    };
    r.diaphragmX[i] = bounded(r.weight[i] * sumX / weightAbove[i]);
    r.diaphragmY[i] = bounded(r.weight[i] * sumY / weightAbove[i]);
  }

  bool ok = finite({r.WT, r.Vx, r.Vy, r.Ftx, r.Fty});
  for (int i = 1; i <= n && ok; ++i) {
    ok = finite({r.forceX[i], r.forceY[i], r.diaphragmX[i], r.diaphragmY[i]});
  }
  if (!ok) {
    c.fault = Fault::invalid;
  }
  return c;
}

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

ListBox listLines(const Project& p, const Results& r)
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

Grid resultGrid(const Project& p, const Results& r)
{
  constexpr int kCellFormat = 3;
  // Column 0 keeps the grid's default width.
  constexpr std::array<int, 7> widths = {1500, 1500, 1500, 2000, 2000, 3000, 3000};
  const int n = r.n;
  Grid g(n + 1, 8);
  for (int col = 1; col < 8; ++col) {
    g.setColWidth(col, widths.at(static_cast<std::size_t>(col - 1)));
  }
  auto put = [&g](int row, int col, const std::string& text) {
    g.setRow(row);
    g.setCol(col);
    g.setText(text);
    g.setCellFormat(kCellFormat);
  };
  for (int col = 0; col < 8; ++col) {
    put(0, col, run1_texts::gridHeaders.at(static_cast<std::size_t>(col)));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 0, padded(static_cast<double>(i)));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 1, padded(p.HS[i]));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 2, padded(r.level[i]));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 3, padded(roundHalfEven(r.weight[i])));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 4, padded(r.forceX[i]));
    put(i, 5, padded(r.forceY[i]));
  }
  for (int i = 1; i <= n; ++i) {
    put(i, 6, padded(r.diaphragmX[i]));
    put(i, 7, padded(r.diaphragmY[i]));
  }
  return g;
}

// Writes a completed run into the project. Stories above N keep what an earlier run left there.
void store(Project& p, const Results& r)
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
  const double analyticalPeriod = p.T;

  if (const int failed = codeChecks(p); failed != 0) {
    p.TA = analyticalPeriod;
    session.prompter.message(run1_texts::stopMessages.at(static_cast<std::size_t>(failed - 1)),
                             failed <= 4 ? run1_texts::checkTitle : kProgramTitle);
    return;
  }

  // Everything is computed aside and stored only when the whole run has succeeded, so that a
  // failing number never leaves half a result behind.
  const Computation c = compute(p);
  if (c.fault != Fault::none) {
    session.prompter.message(
        c.fault == Fault::zeroSum ? run1_texts::zeroSumMessage : run1_texts::invalidDataMessage,
        run1_texts::checkTitle);
    return;
  }

  ListBox list = listLines(p, c.r);
  Grid grid = resultGrid(p, c.r);
  store(p, c.r);
  p.form13.List1 = std::move(list);
  p.form13.MSFlexGrid1 = std::move(grid);

  openOver(p, WindowId::form1, WindowId::Form13);
  session.form1.lockInputsAfterRun();
  offerReportTable(p, ReportTable::StaticShears);
}

}  // namespace vorn
