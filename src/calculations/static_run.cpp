#include "calculations/static_run.h"

#include <cmath>
#include <initializer_list>

#include "model/number_text.h"

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

// The code checks in their order. Returns the number of the first check that fails, 0 when
// every check passes. A bearing-wall system in one direction caps the other direction's R at its
// own on the way; the cap stays even when a later check fails.
int codeChecks(const Project& p, double& Rx, double& Ry)
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
  if (bearingWalls(x) && Ry > Rx) {
    Ry = Rx;
  }
  if (p.i == 1.4 && p.a == 0.35 && !(special(x) && special(y))) {
    return 6;
  }
  if (bearingWalls(y) && Rx > Ry) {
    Rx = Ry;
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

StaticDirection direction(const Project& p, double code, bool infill, double R)
{
  StaticDirection d;
  d.R = R;
  d.heightPower = std::pow(p.H1, 0.75);
  if (isOneOf(code, {14, 15, 16})) {
    d.periodCoefficient = 0.08;
    d.infillFactor = infill ? 0.8 : 1;
  } else if (isOneOf(code, {11, 12, 13})) {
    d.periodCoefficient = 0.07;
    d.infillFactor = infill ? 0.8 : 1;
  } else {
    d.periodCoefficient = 0.05;  // infill walls do not change the period of the other systems
  }
  d.empiricalPeriod = d.periodCoefficient * d.heightPower;
  if (d.infillFactor != 1) {
    d.empiricalPeriod *= d.infillFactor;
  }

  if (p.form8.Check[4].value != 0) {
    d.rule = DesignPeriodRule::empirical;
    d.designPeriod = d.empiricalPeriod;
  } else {
    d.rule = DesignPeriodRule::scaledEmpirical;
    d.designPeriod = 1.25 * d.empiricalPeriod;
    if (p.T < d.designPeriod) {
      d.rule = DesignPeriodRule::analytical;
      d.designPeriod = p.T;
    }
  }

  const double T = d.designPeriod;
  if (T < p.T0) {
    d.branch = ReflectionBranch::rising;
    d.reflection = 1 + p.S * T / p.T0;
  } else if (T < p.TS) {
    d.branch = ReflectionBranch::plateau;
    d.reflection = p.S + 1;
  } else {
    d.branch = ReflectionBranch::falling;
    d.reflection = (p.S + 1) * std::pow(p.TS / T, 2.0 / 3.0);
  }

  d.coefficientBeforeFloor = p.a * d.reflection * p.i / R;
  d.floored = !(d.reflection / R > 0.1);
  d.coefficient = d.floored ? 0.1 * p.a * p.i : d.coefficientBeforeFloor;
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

bool finite(std::initializer_list<double> values)
{
  for (double v : values) {
    if (!std::isfinite(v)) {
      return false;
    }
  }
  return true;
}

// The forces of a run whose checks have passed and whose periods and coefficients are known.
StaticStop forces(const Project& p, StaticRunResult& r)
{
  if (!(p.N >= 1 && p.N <= kMaxStories) || p.N != std::floor(p.N)) {
    return StaticStop::invalid;
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
      return StaticStop::invalid;
    }
    r.WT += r.weight[i];
    S += r.weight[i] * r.level[i];
  }

  // The weight from each level to the roof, summed from the roof down.
  StaticStoryValues weightAbove{};
  for (int i = n; i >= 1; --i) {
    weightAbove[i] = r.weight[i] + (i < n ? weightAbove[i + 1] : 0.0);
  }
  for (int i = 1; i <= n; ++i) {
    if (weightAbove[i] == 0) {
      return StaticStop::zeroSum;
    }
  }
  if (S == 0) {
    return StaticStop::zeroSum;
  }

  // Base shears, top forces and level forces, x for every level first, then y.
  r.Vx = roundHalfEven(r.WT * r.Cx);
  r.Vy = roundHalfEven(r.WT * r.Cy);
  r.Ftx = topForce(r.Tx, r.Vx);
  r.Fty = topForce(r.Ty, r.Vy);
  auto distribute = [&](double V, double Ft, StaticStoryValues& F) {
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
  return ok ? StaticStop::none : StaticStop::invalid;
}

}  // namespace

double topForce(double designPeriod, double baseShear)
{
  double Ft = designPeriod >= 0.7 ? 0.07 * designPeriod * baseShear : 0.0;
  if (0.25 * baseShear < Ft) {
    Ft = 0.25 * baseShear;
  }
  return Ft;
}

StaticRunResult calculateStaticRun(const Project& p)
{
  StaticRunResult r;
  r.Rx = p.Rx;
  r.Ry = p.Ry;
  r.failedCheck = codeChecks(p, r.Rx, r.Ry);
  if (r.failedCheck != 0) {
    r.stop = StaticStop::codeCheck;
    return r;
  }

  r.x = direction(p, p.SYSTEMx, p.form8.Check[1].value != 0, r.Rx);
  r.y = direction(p, p.SYSTEMy, p.form8.Check[2].value != 0, r.Ry);
  r.TEx = roundHalfEven(r.x.empiricalPeriod, 2);
  r.TEy = roundHalfEven(r.y.empiricalPeriod, 2);
  r.Tx = roundHalfEven(r.x.designPeriod, 2);
  r.Ty = roundHalfEven(r.y.designPeriod, 2);
  r.TA = roundHalfEven(p.T, 2);
  r.Bx = roundHalfEven(r.x.reflection, 2);
  r.By = roundHalfEven(r.y.reflection, 2);
  r.Cx = roundHalfEven(r.x.coefficient, 3);
  r.Cy = roundHalfEven(r.y.coefficient, 3);
  // The floor is tested once more on the rounded Bx, for x only.
  if (belowOneTenth(r.Bx, r.Rx)) {
    r.Cx = roundHalfEven(0.1 * p.a * p.i, 3);
    r.xFloor = true;
  }
  if (!finite({r.TEx, r.TEy, r.Tx, r.Ty, r.TA, r.Bx, r.By, r.Cx, r.Cy})) {
    r.stop = StaticStop::invalid;
    return r;
  }
  r.stop = forces(p, r);
  return r;
}

}  // namespace vorn
