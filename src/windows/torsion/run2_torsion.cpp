#include "windows/torsion/run2_torsion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/static/run1_static.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {

namespace {

constexpr int kColWidthTwips = 4000;
constexpr int kCellFormat = 3;

// Working values by story, 1 to N (entry 0 unused).
using StoryValues = std::array<double, kMaxStories + 1>;

// Everything the run stores, before rounding.
struct TorsionOverturning {
  int n = 0;
  StoryValues ECCx{}, ECCy{}, EACCx{}, EACCy{};
  StoryValues MTx{}, MTAx{}, MTTx{}, MTy{}, MTAy{}, MTTy{};
  double HF = 0, MOx = 0, MOy = 0;
  double sumWCMx = 0, sumWFarX = 0, sumWCMy = 0, sumWFarY = 0;
};

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

// Marks drifts whose sums go beyond the range of a double (a hand-edited project file).
constexpr int kDriftsNotFinite = -1;

// Factors from the drifts, story by story. Returns the first story whose maximum drift is below
// its average drift (the stories below it keep their new factors), 0 when every story passed,
// kDriftsNotFinite when the drifts of a story sum to no finite number (no factor is changed from
// that story up).
int factorsFromDrifts(Project& p, int n)
{
  for (int i = 1; i <= n; ++i) {
    double sax = 0, smx = 0, say = 0, smy = 0;
    for (int k = 1; k <= i; ++k) {
      sax += p.DRIFTx[k];
      smx += p.DRIFTMAXx[k];
      say += p.DRIFTy[k];
      smy += p.DRIFTMAXy[k];
      if (p.DRIFTMAXx[k] < p.DRIFTx[k] || p.DRIFTMAXy[k] < p.DRIFTy[k]) {
        return k;
      }
    }
    if (!std::isfinite(sax + smx + say + smy)) {
      return kDriftsNotFinite;
    }
    p.Ajx[i] = driftFactor(smx, sax);
    p.Ajy[i] = driftFactor(smy, say);
  }
  return 0;
}

// The core of the run: torsion of every story and overturning of the whole building.
TorsionOverturning PICHESH(Project& p, int n, bool regular)
{
  TorsionOverturning r;
  r.n = n;
  if (regular) {
    p.Ajx.fill(1.0);
    p.Ajy.fill(1.0);
  }

  // The eccentricities of every story first: a story's sums use those of the stories above it.
  for (int i = 1; i <= n; ++i) {
    r.EACCx[i] = p.Ajx[i] * 0.05 * p.DIMx[i];
    r.EACCy[i] = p.Ajy[i] * 0.05 * p.DIMy[i];
    r.ECCx[i] = p.CRx[i] - p.CMx[i];
    r.ECCy[i] = p.CRy[i] - p.CMy[i];
  }
  for (int i = 1; i <= n; ++i) {
    for (int j = i; j <= n; ++j) {
      r.MTx[i] += p.ForceX[j] * (p.CMy[j] - p.CRy[i]);
      r.MTAx[i] += p.ForceX[j] * r.EACCy[j];
      r.MTy[i] += p.ForceY[j] * (p.CMx[j] - p.CRx[i]);
      r.MTAy[i] += p.ForceY[j] * r.EACCx[j];
    }
    r.MTTx[i] = total(r.MTx[i], r.MTAx[i]);
    r.MTTy[i] = total(r.MTy[i], r.MTAy[i]);
  }

  // Overturning about the underside of the foundation; the foundation's own weight is left out of
  // the resisting moments.
  r.HF = p.H1 + p.FTHK;
  for (int i = 1; i <= n; ++i) {
    const double arm = p.FTHK + p.LevelHeight[i];
    r.MOx += p.ForceX[i] * arm;
    r.MOy += p.ForceY[i] * arm;
    r.sumWCMx += p.StoryWeight[i] * p.CMx[i];
    r.sumWFarX += p.StoryWeight[i] * (p.FDIMx - p.CMx[i]);
    r.sumWCMy += p.StoryWeight[i] * p.CMy[i];
    r.sumWFarY += p.StoryWeight[i] * (p.FDIMy - p.CMy[i]);
  }
  return r;
}

// Whether every value the run stores and shows is a finite number; story values far beyond any
// building (a hand-edited project file) can overflow the moments.
bool finiteResults(const TorsionOverturning& r)
{
  bool ok = true;
  auto see = [&ok](double v) { ok = ok && std::isfinite(v); };
  for (int i = 1; i <= r.n; ++i) {
    for (const StoryValues* a : {&r.ECCx, &r.ECCy, &r.EACCx, &r.EACCy, &r.MTx, &r.MTAx, &r.MTTx,
                                 &r.MTy, &r.MTAy, &r.MTTy}) {
      see((*a)[static_cast<std::size_t>(i)]);
    }
  }
  for (double v : {r.HF, r.MOx, r.MOy, r.sumWCMx, r.sumWFarX, r.sumWCMy, r.sumWFarY}) {
    see(v);
  }
  // The safety factors, as store() computes them.
  see(whole(std::min(r.sumWCMx, r.sumWFarX)) / whole(r.MOx));
  see(whole(std::min(r.sumWCMy, r.sumWFarY)) / whole(r.MOy));
  return ok;
}

// Stores the rounded results.
void store(Project& p, const TorsionOverturning& r)
{
  for (int i = 1; i <= r.n; ++i) {
    p.Ajx[i] = hundredths(p.Ajx[i]);
    p.Ajy[i] = hundredths(p.Ajy[i]);
    p.ECCx[i] = hundredths(r.ECCx[i]);
    p.ECCy[i] = hundredths(r.ECCy[i]);
    p.EACCx[i] = hundredths(r.EACCx[i]);
    p.EACCy[i] = hundredths(r.EACCy[i]);
    p.MTx[i] = whole(r.MTx[i]);
    p.MTAx[i] = whole(r.MTAx[i]);
    p.MTTx[i] = whole(r.MTTx[i]);
    p.MTy[i] = whole(r.MTy[i]);
    p.MTAy[i] = whole(r.MTAy[i]);
    p.MTTy[i] = whole(r.MTTy[i]);
  }
  p.overturnH1 = p.H1;
  p.HF = r.HF;
  p.MOx = whole(r.MOx);
  p.MOy = whole(r.MOy);
  p.sumWCMx = r.sumWCMx;
  p.sumWFarX = r.sumWFarX;
  p.sumWCMy = r.sumWCMy;
  p.sumWFarY = r.sumWFarY;
  p.MRx = whole(std::min(r.sumWCMx, r.sumWFarX));
  p.MRy = whole(std::min(r.sumWCMy, r.sumWFarY));
  p.SFx = hundredths(p.MRx / p.MOx);
  p.SFy = hundredths(p.MRy / p.MOy);
}

// Whether torsion may be ignored for the earthquake along one direction: the centre of rigidity
// of every story lies within 5 % of the story's dimension from the centres of mass of it and of
// every story above it, measured across that direction.
bool centresClose(const StoryArray& CR, const StoryArray& CM, const StoryArray& DIM, int n)
{
  for (int i = 1; i <= n; ++i) {
    for (int j = i; j <= n; ++j) {
      if (std::fabs(CR[i] - CM[j]) > 0.05 * DIM[i]) {
        return false;
      }
    }
  }
  return true;
}

const char* conclusion(Project& p, int n)
{
  namespace t = form18_texts;
  p.TORNEG = p.H1 <= 18 || n < 6;
  p.TORNEGy = p.TORNEG && centresClose(p.CRx, p.CMx, p.DIMx, n);
  p.TORNEGx = p.TORNEG && centresClose(p.CRy, p.CMy, p.DIMy, n);
  if (!p.TORNEG) {
    return t::tooTall;
  }
  if (p.TORNEGx && p.TORNEGy) {
    return t::ignorable;
  }
  if (p.TORNEGy) {
    return t::ignorableForY;
  }
  if (p.TORNEGx) {
    return t::ignorableForX;
  }
  return t::notIgnorable;
}

void fillGrid(Project& p, int n)
{
  Grid& g = p.form18.MSFlexGrid1;
  const int cols = static_cast<int>(form18_texts::headers.size());
  g.setCols(cols);
  g.clear();
  g.setRows(n + 1);
  for (int c = 0; c < cols; ++c) {
    g.setColWidth(c, kColWidthTwips);
    g.setRow(0);
    g.setCol(c);
    g.setText(form18_texts::headers.at(static_cast<std::size_t>(c)));
    g.setCellFormat(kCellFormat);
  }
  for (int i = 1; i <= n; ++i) {
    const std::array<double, 13> row = {
        static_cast<double>(i),
        p.ECCx[i],
        p.ECCy[i],
        p.EACCx[i],
        p.EACCy[i],
        p.MTx[i],
        p.MTAx[i],
        p.MTTx[i],
        p.MTy[i],
        p.MTAy[i],
        p.MTTy[i],
        p.Ajx[i],
        p.Ajy[i],
    };
    g.setRow(i);
    for (int c = 0; c < cols; ++c) {
      g.setCol(c);
      g.setText(padded(row.at(static_cast<std::size_t>(c))));
      g.setCellFormat(kCellFormat);
    }
  }
}

void fillLabels(Project& p, int n)
{
  namespace t = form18_texts;
  Form18Contents& f = p.form18;
  f.Label1.caption = t::unitLabel;
  f.Label2.caption = std::string(t::heightFromFoundation) + padded(p.HF);
  f.Label3[0].caption = std::string(t::overturningX) + padded(p.MOx);
  f.Label3[1].caption = std::string(t::overturningY) + padded(p.MOy);
  f.Label4.caption = std::string(t::resistingX) + padded(p.MRx);
  f.Label3[2].caption = std::string(t::resistingY) + padded(p.MRy);
  f.Label5.caption = std::string(t::safetyX) + padded(p.SFx);
  f.Label6[0].caption = safetyVerdict(p.SFx);
  f.Label8.caption = std::string(t::safetyY) + padded(p.SFy);
  f.Label6[1].caption = safetyVerdict(p.SFy);
  f.Label7.caption = conclusion(p, n);
}

}  // namespace

std::string safetyVerdict(double factor)
{
  return factor >= 1.75 ? form18_texts::safe : form18_texts::unsafe;
}

void RUN2(Session& session)
{
  Project& p = session.project;
  if (!(p.N >= 1 && p.N <= kMaxStories && std::floor(p.N) == p.N)) {
    // A story count that no dialog accepts (a hand-edited project file) is refused as the
    // static run refuses it.
    session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }
  const int n = static_cast<int>(p.N);
  const bool regular = p.form8.Check[3].value == 1;
  const bool fromDrifts = p.form14.Option1[1].value && !regular;

  if (fromDrifts && !p.PDELTASET) {
    session.prompter.message(run2_texts::driftsMissing, kProgramTitle);
    return;
  }
  if (fromDrifts) {
    const int story = factorsFromDrifts(p, n);
    if (story == kDriftsNotFinite) {
      session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
      return;
    }
    if (story != 0) {
      session.prompter.message(std::string(run2_texts::driftBelowAverageBefore) +
                                   padded(static_cast<double>(story)) +
                                   run2_texts::driftBelowAverageAfter,
                               kProgramTitle);
      return;
    }
  }

  const TorsionOverturning r = PICHESH(p, n, regular);
  if (whole(r.MOx) == 0 || whole(r.MOy) == 0) {
    session.prompter.message(run2_texts::noOverturningMoment, kProgramTitle);
    return;
  }
  if (!finiteResults(r)) {
    session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }
  store(p, r);

  openOver(p, WindowId::form1, WindowId::Form18);
  fillGrid(p, n);
  fillLabels(p, n);
  offerReportTable(p, ReportTable::TorsionResults);
}

}  // namespace vorn
