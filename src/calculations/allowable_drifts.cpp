#include "calculations/allowable_drifts.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace vorn {

namespace {

AllowableDriftDirection direction(const Project& p, int stories, double period, double R)
{
  AllowableDriftDirection d;
  d.limited = R > 0;
  if (!d.limited) {
    return d;
  }
  d.ratio = period >= 0.7 ? 0.02 : 0.025;
  double hundredths = 0;
  for (int i = 1; i <= stories; ++i) {
    d.drift[i] = roundHalfEven(d.ratio / 0.7 / R * p.HS[i] * 10000);
    hundredths += d.drift[i];
    d.total[i] = hundredths;
  }
  return d;
}

}  // namespace

AllowableDriftsResult calculateAllowableDrifts(const Project& p)
{
  AllowableDriftsResult r;
  r.n = static_cast<int>(std::clamp(p.N, 0.0, static_cast<double>(kMaxStories)));
  r.x = direction(p, r.n, p.Tx, p.Rx);
  r.y = direction(p, r.n, p.Ty, p.Ry);
  // A total that is finite has only finite drifts below it.
  auto finite = [&r](const AllowableDriftDirection& d) {
    return !d.limited || r.n < 1 || std::isfinite(d.total[r.n]);
  };
  r.finite = finite(r.x) && finite(r.y);
  return r;
}

}  // namespace vorn
