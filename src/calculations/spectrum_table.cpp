#include "calculations/spectrum_table.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace vorn {

namespace {

// False at the first coefficient that is not a finite number.
bool direction(const Project& p, const std::vector<double>& periods, double R, SpectrumDirection& d)
{
  d.limited = R > 0;
  if (!d.limited) {
    return true;
  }
  d.coefficient.reserve(periods.size());
  for (double T : periods) {
    const double B = spectrumFactor(p, T);
    const double value = B / R >= 0.1 ? p.a * B * p.i / R : 0.1 * p.a * p.i;
    const double rounded = roundHalfEven(value * 10000) / 10000;
    if (!std::isfinite(rounded)) {
      return false;
    }
    d.coefficient.push_back(rounded);
  }
  return true;
}

}  // namespace

std::vector<double> spectrumPeriods(const Project& p)
{
  const double steps = p.TSTEP > 0 ? roundHalfEven(p.TMAX / p.TSTEP) : 0;
  const int n = static_cast<int>(std::clamp(steps, 0.0, static_cast<double>(kMaxSpectrumSteps)));
  std::vector<double> periods(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) {
    const double T = k * p.TSTEP;
    periods[static_cast<std::size_t>(k)] = T > p.TMAX ? p.TMAX : T;
  }
  return periods;
}

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

SpectrumTableResult calculateSpectrumTable(const Project& p, const std::vector<double>& periods)
{
  SpectrumTableResult r;
  r.finite = direction(p, periods, p.Rx, r.x) && direction(p, periods, p.Ry, r.y);
  return r;
}

}  // namespace vorn
