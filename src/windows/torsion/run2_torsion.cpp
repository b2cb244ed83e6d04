#include "windows/torsion/run2_torsion.h"

#include <array>
#include <cstddef>
#include <string>

#include "calculations/torsion_run.h"
#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/common/run_messages.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {

namespace {

constexpr int kColWidthTwips = 4000;
constexpr int kCellFormat = 3;

// Writes a completed run into the project.
void store(Project& p, const TorsionRunResult& r)
{
  for (int i = 1; i <= r.n; ++i) {
    p.Ajx[i] = r.Ajx[i];
    p.Ajy[i] = r.Ajy[i];
    p.ECCx[i] = r.ECCx[i];
    p.ECCy[i] = r.ECCy[i];
    p.EACCx[i] = r.EACCx[i];
    p.EACCy[i] = r.EACCy[i];
    p.MTx[i] = r.MTx[i];
    p.MTAx[i] = r.MTAx[i];
    p.MTTx[i] = r.MTTx[i];
    p.MTy[i] = r.MTy[i];
    p.MTAy[i] = r.MTAy[i];
    p.MTTy[i] = r.MTTy[i];
  }
  p.overturnH1 = p.H1;
  p.HF = r.HF;
  p.MOx = r.MOx;
  p.MOy = r.MOy;
  p.sumWCMx = r.sumWCMx;
  p.sumWFarX = r.sumWFarX;
  p.sumWCMy = r.sumWCMy;
  p.sumWFarY = r.sumWFarY;
  p.MRx = r.MRx;
  p.MRy = r.MRy;
  p.SFx = r.SFx;
  p.SFy = r.SFy;
  p.TORNEG = r.lowBuilding;
  p.TORNEGy = r.neglectY;
  p.TORNEGx = r.neglectX;
}

const char* conclusion(const Project& p)
{
  namespace t = form18_texts;
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

void fillLabels(Project& p)
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
  f.Label7.caption = conclusion(p);
}

}  // namespace

std::string safetyVerdict(double factor)
{
  return factor >= 1.75 ? form18_texts::safe : form18_texts::unsafe;
}

void RUN2(Session& session)
{
  Project& p = session.project;
  const TorsionRunResult r = calculateTorsionRun(p);
  // The factors the run has found stay whatever follows; a run that stops stores nothing else.
  for (int i = 1; i <= r.newFactors; ++i) {
    p.Ajx[i] = r.factorX[i];
    p.Ajy[i] = r.factorY[i];
  }

  switch (r.stop) {
    case TorsionStop::none:
      break;
    // A story count that no dialog accepts (a hand-edited project file) is refused as the static
    // run refuses it, and so are values far beyond any building.
    case TorsionStop::invalidStoryCount:
    case TorsionStop::driftsNotFinite:
    case TorsionStop::invalid:
      session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
      return;
    case TorsionStop::driftsMissing:
      session.prompter.message(run2_texts::driftsMissing, kProgramTitle);
      return;
    case TorsionStop::driftBelowAverage:
      session.prompter.message(std::string(run2_texts::driftBelowAverageBefore) +
                                   padded(static_cast<double>(r.stopStory)) +
                                   run2_texts::driftBelowAverageAfter,
                               kProgramTitle);
      return;
    case TorsionStop::noOverturningMoment:
      session.prompter.message(run2_texts::noOverturningMoment, kProgramTitle);
      return;
  }
  store(p, r);

  openOver(p, WindowId::form1, WindowId::Form18);
  fillGrid(p, r.n);
  fillLabels(p);
  offerReportTable(p, ReportTable::TorsionResults);
}

}  // namespace vorn
