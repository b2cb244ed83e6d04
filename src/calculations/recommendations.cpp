#include "calculations/recommendations.h"

#include <cmath>

#include "model/number_text.h"

namespace vorn {

namespace {

bool isMomentFrame(double system)
{
  return system >= 11 && system <= 16;
}

}  // namespace

RecommendationsResult calculateRecommendations(const Project& p)
{
  RecommendationsResult r;
  const double verticalPercent = 0.7 * p.a * p.i * 100;
  r.service = !(p.i < 1.2 && p.N <= 15 && p.H1 <= 50);
  const double serviceX = p.a * p.Bx * p.i * p.WT / 6;
  const double serviceY = p.a * p.By * p.i * p.WT / 6;
  r.finite = std::isfinite(verticalPercent) &&
             (!r.service || (std::isfinite(serviceX) && std::isfinite(serviceY)));

  const bool regular = p.form8.Check[3].value == 1;
  r.dynamicMandatory = !(regular ? p.H1 < 50 : (p.H1 < 18 && p.N < 6));
  if (r.dynamicMandatory) {
    const bool soil4 = p.TS == 1.0;
    r.siteSpectrumMandatory = soil4 && (p.H1 > 50 || p.i >= 1.2);
    r.siteSpectrumIfDeepSoil =
        !r.siteSpectrumMandatory && p.H1 > 50 && (p.TS == 0.5 || p.TS == 0.7);
  }

  r.dual = p.SYSTEMx > 16 || p.SYSTEMy > 16;
  r.dualAllToWalls = r.dual && (p.N < 9 || p.H1 < 30);
  r.noFlatSlabs = (isMomentFrame(p.SYSTEMx) || isMomentFrame(p.SYSTEMy)) && p.H1 > 10 && p.N > 3;

  r.verticalPercent = roundHalfEven(verticalPercent);
  const double parts[] = {0.7 * p.a * p.i * 100, 2 * p.a * p.i * 100, 2 * p.a * p.i * 100,
                          p.a * p.i * 100, p.a * p.i * 100};
  for (std::size_t k = 0; k < r.partsPercent.size(); ++k) {
    r.partsPercent[k] = roundHalfEven(parts[k]);
  }

  r.compatibility = p.N > 5;
  r.compatibilityFactorX = 0.7 * p.Rx;
  r.compatibilityFactorY = 0.7 * p.Ry;
  r.partitions = p.i >= 1.2 || p.N > 8;
  if (r.service) {
    r.serviceShearX = roundHalfEven(serviceX);
    r.serviceShearY = roundHalfEven(serviceY);
  }
  r.jointWidth = p.H1;
  r.jointPerStory = p.i >= 1.2 || p.N >= 8;
  return r;
}

}  // namespace vorn
