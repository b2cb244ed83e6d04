#include "calculations/pdelta_run.h"

#include <cmath>

#include "model/number_text.h"

namespace vorn {

namespace {

// Stability coefficients from this value on are not negligible.
constexpr double kNegligibleBelow = 0.1;
// Above this value, or above 1.25 / R, the story is unstable.
constexpr double kUnstableAbove = 0.25;
constexpr double kUnstableTimesR = 1.25;

// out[k] = terms[k] + terms[k + 1] + … + terms[n], added from k upwards like a hand sum down a
// column, for every k from 1 to n. Four sums run side by side so that the additions overlap;
// each keeps its own order, so every total is the one a single loop would give.
void sumsToRoof(const PDeltaStoryValues& terms, int n, PDeltaStoryValues& out)
{
  int k = 1;
  for (; k + 3 <= n; k += 4) {
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    s0 += terms[k];
    s0 += terms[k + 1];
    s1 += terms[k + 1];
    s0 += terms[k + 2];
    s1 += terms[k + 2];
    s2 += terms[k + 2];
    for (int j = k + 3; j <= n; ++j) {
      const double t = terms[j];
      s0 += t;
      s1 += t;
      s2 += t;
      s3 += t;
    }
    out[k] = s0;
    out[k + 1] = s1;
    out[k + 2] = s2;
    out[k + 3] = s3;
  }
  for (; k <= n; ++k) {
    double s = 0;
    for (int j = k; j <= n; ++j) {
      s += terms[j];
    }
    out[k] = s;
  }
}

PDeltaDirection checkDirection(double drift, double P, double V, double h, double R)
{
  PDeltaDirection d;
  if (V == 0 || h == 0) {
    d.verdict = V == 0 ? Stability::zeroShear : Stability::zeroHeight;
    return d;
  }
  const double theta = drift * P / V / h;
  if (std::isnan(theta)) {
    d.verdict = Stability::undetermined;
    return d;
  }
  d.theta = theta;
  if (theta < kNegligibleBelow) {
    d.verdict = Stability::negligible;
  } else if (theta > kUnstableAbove || theta > kUnstableTimesR / R) {
    d.verdict = Stability::unstable;
  } else {
    d.verdict = Stability::amplified;
    d.amplifiedShear = roundHalfEven(V / (1 - theta));
    d.addedShear = d.amplifiedShear - V;
  }
  return d;
}

}  // namespace

int pdeltaStoryCount(const Project& p)
{
  const double n = p.N;
  return n >= 1 && n <= kMaxStories && std::floor(n) == n ? static_cast<int>(n) : 1;
}

PDeltaRunResult calculatePDelta(const Project& p)
{
  PDeltaRunResult r;
  const int n = pdeltaStoryCount(p);
  r.n = n;
  r.regular = p.form8.Check[3].value != 0;

  PDeltaStoryValues gravityTerms{}, forcesX{}, forcesY{};
  for (int j = 1; j <= n; ++j) {
    gravityTerms[j] = p.StoryWeight[j] + p.LL[j] * p.AR[j] * (1 - p.PERL[j] / 100);
    forcesX[j] = p.ForceX[j];
    forcesY[j] = p.ForceY[j];
  }
  sumsToRoof(gravityTerms, n, r.gravity);
  sumsToRoof(forcesX, n, r.shearX);
  sumsToRoof(forcesY, n, r.shearY);

  bool finite = true;
  double driftsX = 0, driftsY = 0, maximaX = 0, maximaY = 0;
  for (int i = 1; i <= n; ++i) {
    const double h = p.HS[i];
    driftsX += p.DRIFTx[i];
    driftsY += p.DRIFTy[i];
    maximaX += p.DRIFTMAXx[i];
    maximaY += p.DRIFTMAXy[i];
    r.driftTotalX[i] = driftsX;
    r.driftTotalY[i] = driftsY;
    r.maximumTotalX[i] = maximaX;
    r.maximumTotalY[i] = maximaY;
    for (const double v :
         {r.gravity[i], r.shearX[i], r.shearY[i], driftsX, driftsY, maximaX, maximaY}) {
      finite = finite && std::isfinite(v);
    }
    r.x[i] = checkDirection(p.DRIFTx[i], r.gravity[i], r.shearX[i], h, p.Rx);
    r.y[i] = checkDirection(p.DRIFTy[i], r.gravity[i], r.shearY[i], h, p.Ry);
    for (const PDeltaDirection* d : {&r.x[i], &r.y[i]}) {
      // A coefficient that is not a number or infinite, or an amplified shear beyond range.
      if (d->verdict == Stability::undetermined || !std::isfinite(d->theta) ||
          !std::isfinite(d->amplifiedShear)) {
        finite = false;
      }
    }
  }
  r.finite = finite;
  return r;
}

}  // namespace vorn
