#pragma once

#include <vector>

#include "model/project.h"

namespace vorn {

// The largest table: TMAX / TSTEP periods past the first, so that the grid stays within
// 32 767 rows with its header.
inline constexpr int kMaxSpectrumSteps = 32765;

// The periods of the design-spectrum table, s: 0, TSTEP, 2 TSTEP … for TMAX / TSTEP steps
// (rounded, halves to even, and held within 0 to kMaxSpectrumSteps; none without a positive
// step), a period beyond TMAX held at TMAX.
std::vector<double> spectrumPeriods(const Project& p);

// One direction's column of the table.
struct SpectrumDirection {
  bool limited = false;  // a positive behaviour factor: without one, no coefficients
  // A B I / R, or 0.1 A I where B / R is below 0.1, to 0.0001, period by period.
  std::vector<double> coefficient;
};

struct SpectrumTableResult {
  SpectrumDirection x, y;
  // Every coefficient is a finite number; a site or behaviour factor far beyond any building (a
  // hand-edited project file) gives none, and then the coefficients are not all known.
  bool finite = true;
};

// The spectrum factor B of the soil at period T, s: 1 + S T / T0 up to T0 (1 at T = 0, also for a
// corner period of 0 read from a damaged file), S + 1 up to TS, then (S + 1) (TS / T)^(2/3), T
// taken 0.00001 s longer.
double spectrumFactor(const Project& p, double T);

// The spectral acceleration coefficients of both directions at the given periods: those of the
// table as it shows them, which the coefficients are computed from.
SpectrumTableResult calculateSpectrumTable(const Project& p, const std::vector<double>& periods);

}  // namespace vorn
