#include "calculations/torsion_run.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/number_text.h"

namespace vorn {

namespace {

// A whole number without the sign of a negative zero.
double whole(double v)
{
  return roundHalfEven(v) + 0.0;
}

double hundredths(double v)
{
  return roundHalfEven(v, 2) + 0.0;
}

// The total torsional moment: the accidental moment always adds to the magnitude of the static
// one; a zero static moment counts as positive.
double total(double staticMoment, double accidentalMoment)
{
  return staticMoment < 0 ? staticMoment - std::fabs(accidentalMoment)
                          : staticMoment + std::fabs(accidentalMoment);
}

// The amplification factor of one direction from the drifts summed over the stories up to the
// one computed, kept between 1 and 3. No drift at all gives 1; a maximum drift without an average
// drift is the limit of the ratio, the cap.
double driftFactor(double sumMaximum, double sumAverage)
{
  double factor = 0;
  if (sumAverage == 0) {
    factor = sumMaximum == 0 ? 1.0 : 3.0;
  } else {
    factor = std::pow(sumMaximum / (1.2 * sumAverage), 2);
  }
  if (factor > 3) {
    factor = 3;
  }
  if (factor < 1) {
    factor = 1;
  }
  return factor;
}

// Factors from the drifts, story by story, the drifts summed from the base up. A story whose
// maximum drift is below its average drift, or whose sums go beyond the range of a double (a
// hand-edited project file), stops the run: the stories below it keep their new factors.
bool factorsFromDrifts(const Project& p, TorsionRunResult& r)
{
  double sax = 0, smx = 0, say = 0, smy = 0;
  for (int i = 1; i <= r.n; ++i) {
    sax += p.DRIFTx[i];
    smx += p.DRIFTMAXx[i];
    say += p.DRIFTy[i];
    smy += p.DRIFTMAXy[i];
    if (p.DRIFTMAXx[i] < p.DRIFTx[i] || p.DRIFTMAXy[i] < p.DRIFTy[i]) {
      r.stop = TorsionStop::driftBelowAverage;
      r.stopStory = i;
      return false;
    }
    if (!std::isfinite(sax + smx + say + smy)) {
      r.stop = TorsionStop::driftsNotFinite;
      r.stopStory = i;
      return false;
    }
    r.factorX[i] = driftFactor(smx, sax);
    r.factorY[i] = driftFactor(smy, say);
    r.newFactors = i;
  }
  return true;
}

// Whether torsion may be ignored for the earthquake along one direction: the centre of rigidity
// of every story lies within 5 % of the story's dimension from the centres of mass of it and of
// every story above it, measured across that direction. The farthest of those centres of mass lie
// at their lowest and at their highest, which one pass from the roof down carries along; a centre
// that is not a number is never too far.
bool centresClose(const StoryArray& CR, const StoryArray& CM, const StoryArray& DIM, int n)
{
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -std::numeric_limits<double>::infinity();
  for (int i = n; i >= 1; --i) {
    if (CM[i] < lowest) {
      lowest = CM[i];
    }
    if (CM[i] > highest) {
      highest = CM[i];
    }
    // |CR − CM| > limit for some CM above, the difference being exact in either order.
    const double limit = 0.05 * DIM[i];
    if (CR[i] - lowest > limit || highest - CR[i] > limit) {
      return false;
    }
  }
  return true;
}

// Eccentricities, moments and overturning, rounded into the result. False when a value is not a
// finite number; story values far beyond any building (a hand-edited project file) can overflow
// the moments.
bool moments(const Project& p, TorsionRunResult& r)
{
  const int n = r.n;
  bool ok = true;
  auto see = [&ok](double v) {
    ok = ok && std::isfinite(v);
    return v;
  };

  // The eccentricities of every story first: a story's sums use those of the stories above it.
  TorsionStoryValues eaccX{}, eaccY{}, forceX{}, forceY{}, cmX{}, cmY{};
  for (int i = 1; i <= n; ++i) {
    eaccX[i] = see(r.factorX[i] * 0.05 * p.DIMx[i]);
    eaccY[i] = see(r.factorY[i] * 0.05 * p.DIMy[i]);
    r.Ajx[i] = hundredths(r.factorX[i]);
    r.Ajy[i] = hundredths(r.factorY[i]);
    r.EACCx[i] = hundredths(eaccX[i]);
    r.EACCy[i] = hundredths(eaccY[i]);
    r.ECCx[i] = hundredths(see(p.CRx[i] - p.CMx[i]));
    r.ECCy[i] = hundredths(see(p.CRy[i] - p.CMy[i]));
    forceX[i] = p.ForceX[i];
    forceY[i] = p.ForceY[i];
    cmX[i] = p.CMx[i];
    cmY[i] = p.CMy[i];
  }
  // Each story sums the stories above it from itself up, in that order.
  for (int i = 1; i <= n; ++i) {
    const double crX = p.CRx[i];
    const double crY = p.CRy[i];
    double mtx = 0, mtax = 0, mty = 0, mtay = 0;
    for (int j = i; j <= n; ++j) {
      mtx += forceX[j] * (cmY[j] - crY);
      mtax += forceX[j] * eaccY[j];
      mty += forceY[j] * (cmX[j] - crX);
      mtay += forceY[j] * eaccX[j];
    }
    r.MTx[i] = whole(see(mtx));
    r.MTAx[i] = whole(see(mtax));
    r.MTTx[i] = whole(see(total(mtx, mtax)));
    r.MTy[i] = whole(see(mty));
    r.MTAy[i] = whole(see(mtay));
    r.MTTy[i] = whole(see(total(mty, mtay)));
  }

  r.HF = see(p.H1 + p.FTHK);
  double mox = 0, moy = 0;
  for (int i = 1; i <= n; ++i) {
    const double arm = p.FTHK + p.LevelHeight[i];
    mox += p.ForceX[i] * arm;
    moy += p.ForceY[i] * arm;
    r.sumWCMx += p.StoryWeight[i] * p.CMx[i];
    r.sumWFarX += p.StoryWeight[i] * (p.FDIMx - p.CMx[i]);
    r.sumWCMy += p.StoryWeight[i] * p.CMy[i];
    r.sumWFarY += p.StoryWeight[i] * (p.FDIMy - p.CMy[i]);
  }
  see(mox);
  see(moy);
  see(r.sumWCMx);
  see(r.sumWFarX);
  see(r.sumWCMy);
  see(r.sumWFarY);
  r.MOx = whole(mox);
  r.MOy = whole(moy);
  r.MRx = whole(std::min(r.sumWCMx, r.sumWFarX));
  r.MRy = whole(std::min(r.sumWCMy, r.sumWFarY));
  r.SFx = hundredths(see(r.MRx / r.MOx));
  r.SFy = hundredths(see(r.MRy / r.MOy));
  return ok;
}

}  // namespace

TorsionRunResult calculateTorsionRun(const Project& p)
{
  TorsionRunResult r;
  if (!(p.N >= 1 && p.N <= kMaxStories && std::floor(p.N) == p.N)) {
    r.stop = TorsionStop::invalidStoryCount;
    return r;
  }
  const int n = static_cast<int>(p.N);
  r.n = n;
  if (p.form8.Check[3].value == 1) {
    r.source = AmplificationSource::regular;
  } else if (p.form14.Option1[1].value) {
    r.source = AmplificationSource::drifts;
  }
  if (r.source == AmplificationSource::drifts && !p.PDELTASET) {
    r.stop = TorsionStop::driftsMissing;
    return r;
  }

  for (int i = 1; i <= n; ++i) {
    r.factorX[i] = p.Ajx[i];
    r.factorY[i] = p.Ajy[i];
  }
  if (r.source == AmplificationSource::regular) {
    std::fill(r.factorX.begin() + 1, r.factorX.end(), 1.0);
    std::fill(r.factorY.begin() + 1, r.factorY.end(), 1.0);
    r.newFactors = kMaxStories;
  } else if (r.source == AmplificationSource::drifts && !factorsFromDrifts(p, r)) {
    return r;
  }

  const bool finite = moments(p, r);
  // A direction without overturning moment is told before values that are not numbers.
  if (r.MOx == 0 || r.MOy == 0) {
    r.stop = TorsionStop::noOverturningMoment;
    return r;
  }
  if (!finite) {
    r.stop = TorsionStop::invalid;
    return r;
  }

  r.lowBuilding = p.H1 <= 18 || n < 6;
  r.neglectX = r.lowBuilding && centresClose(p.CRy, p.CMy, p.DIMy, n);
  r.neglectY = r.lowBuilding && centresClose(p.CRx, p.CMx, p.DIMx, n);
  return r;
}

}  // namespace vorn
