#include "windows/pdelta/form23_pdelta.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "calculations/pdelta_run.h"
#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/common/run_messages.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/pdelta/form25_story_picker.h"

namespace vorn {

namespace {

// The drift behind each box Text2 … Text5, in box order.
constexpr std::array<StoryArray StoryDrifts::*, 4> kDrifts = {
    &StoryDrifts::DRIFTx, &StoryDrifts::DRIFTy, &StoryDrifts::DRIFTMAXx, &StoryDrifts::DRIFTMAXy};

StoryArray& drift(Project& p, int box)
{
  return p.*kDrifts.at(static_cast<std::size_t>(box - 2));
}

// Drifts are typed in centimetres and stored in metres.
constexpr double kCmPerMetre = 100;
constexpr int kCentimetreExponent = 2;  // the same hundred, as a power of ten

constexpr int kColumns = 13;
constexpr int kColWidthTwips = 2500;
constexpr int kCellFormat = 3;

bool isRegular(const Project& p)
{
  return p.form8.Check[3].value != 0;
}

// The two cells of one direction of one story: the verdict (or additional shear) and the total
// shear. A story whose coefficient cannot be computed gets cells that say it is undetermined.
struct ShearCells {
  std::string added;
  std::string total;
};

ShearCells shearCells(const PDeltaDirection& d, double V)
{
  namespace t = form24_texts;
  switch (d.verdict) {
    case Stability::zeroShear:
      return {t::zeroShear, t::undetermined};
    case Stability::zeroHeight:
      return {t::zeroHeight, t::undetermined};
    case Stability::undetermined:
      return {t::undetermined, t::undetermined};
    case Stability::negligible:
      return {t::negligible, padded(V)};
    case Stability::unstable:
      return {t::unstable, t::unstableShear};
    case Stability::amplified:
      break;
  }
  return {padded(d.addedShear), padded(d.amplifiedShear)};
}

// Stores one direction of story i: θ always, the amplified and additional shears only for an
// amplified story (those of the others stay as they were).
void storeDirection(const PDeltaDirection& d, int i, StoryArray& theta, StoryArray& VPD,
                    StoryArray& VADD)
{
  theta[i] = d.theta;
  if (d.verdict == Stability::amplified) {
    VPD[i] = d.amplifiedShear;
    VADD[i] = d.addedShear;
  }
}

// Row 0 of the results grid.
void writeHeadings(Grid& g, bool regular)
{
  namespace t = form24_texts;
  g.setRow(0);
  auto put = [&g](int col, const char* text) {
    g.setCol(col);
    g.setText(text);
  };
  for (int c = 0; c < 5; ++c) {
    put(c, t::storyHeadings.at(static_cast<std::size_t>(c)));
  }
  const int shearsFrom = regular ? 5 : 9;
  if (!regular) {
    for (int c = 0; c < 4; ++c) {
      put(5 + c, t::maximumHeadings.at(static_cast<std::size_t>(c)));
    }
  }
  for (int c = 0; c < 4; ++c) {
    put(shearsFrom + c, t::shearHeadings.at(static_cast<std::size_t>(c)));
  }
}

}  // namespace

void run8(Session& session)
{
  Project& p = session.project;
  Form23& dialog = session.form23;
  Form23Controls& f = p.form23;
  dialog.def();
  openOver(p, WindowId::form1, WindowId::Form23);

  const int n = dialog.storyCount();
  for (int k : {2, 3, 5}) {
    f.Command[k].enabled = n != 1;
  }

  f.Text[1].text = "1";
  f.Command[1].enabled = false;
  if (p.DRIFTSET[1]) {
    for (int k = 2; k <= 5; ++k) {
      f.Text[k].text = paddedScaled(drift(p, k)[1], kCentimetreExponent);
    }
  } else {
    f.Text[2].text = form23_texts::defaultDrift;
    f.Text[3].text = form23_texts::defaultDrift;
  }

  const bool regular = isRegular(p);
  f.Text[4].enabled = !regular;
  f.Text[5].enabled = !regular;

  bool all = true;
  for (int k = 1; k <= n; ++k) {
    all = all && p.DRIFTSET[k];
  }
  f.Command[4].enabled = all;
}

Form23::Form23(Session& session)
    : s_(session),
      boxes_(session.project, session.prompter, WindowId::Form23,
             [&p = session.project](int k) -> TextBox& { return p.form23.Text[k]; })
{
  // A negative drift is reported on leaving the box (once for one value) but stays in it; the
  // validation of the next store refuses it.
  for (int k = 2; k <= 5; ++k) {
    boxes_.keep(k, form23_texts::picture, atLeast(0), form23_texts::negativeLeave);
  }
}

int Form23::storyCount() const
{
  return pdeltaStoryCount(s_.project);
}

int Form23::shownStory() const
{
  const double v = numericValue(s_.project.form23.Text[1].text);
  return v >= 1 && v <= storyCount() && std::floor(v) == v ? static_cast<int>(v) : 0;
}

bool Form23::allEntered() const
{
  const Project& p = s_.project;
  for (int k = 1; k <= storyCount(); ++k) {
    if (!p.DRIFTSET[k]) {
      return false;
    }
  }
  return true;
}

void Form23::def()
{
  boxes_.forgetReported();
  Project& p = s_.project;
  for (int k = 1; k <= 5; ++k) {
    p.form23.def[k] = boxes_.value(k);
  }
  p.snapshotDrifts();
}

void Form23::candef()
{
  Project& p = s_.project;
  for (int k = 1; k <= 5; ++k) {
    p.form23.Text[k].text = padded(p.form23.def[k]);
  }
  p.restoreDrifts();
}

void Form23::err()
{
  const Form23Controls& f = s_.project.form23;
  const double x = boxes_.value(2);
  const double y = boxes_.value(3);
  if (x < 0 || y < 0) {
    s_.prompter.message(form23_texts::negativeAverage, form23_texts::negativeAverageTitle);
    boxes_.focus(x < 0 ? 2 : 3);
    errore = true;
  }
  if (f.Text[4].enabled && boxes_.value(4) < x) {
    s_.prompter.message(form23_texts::maximumBelowAverage, kProgramTitle);
    boxes_.focus(2);
    errore = true;
  } else if (f.Text[5].enabled && boxes_.value(5) < y) {
    s_.prompter.message(form23_texts::maximumBelowAverage, kProgramTitle);
    boxes_.focus(3);
    errore = true;
  }
}

void Form23::showStory(int k, const std::string& text)
{
  Project& p = s_.project;
  Form23Controls& f = p.form23;
  f.Text[1].text = text;
  if (p.DRIFTSET[k]) {
    for (int box = 2; box <= 5; ++box) {
      f.Text[box].text = paddedScaled(drift(p, box)[k], kCentimetreExponent);
    }
  }
  f.Command[1].enabled = k != 1;
  f.Command[2].enabled = k != storyCount();
}

void Form23::store(int k)
{
  Project& p = s_.project;
  for (int box = 2; box <= 5; ++box) {
    drift(p, box)[k] = boxes_.value(box) / kCmPerMetre;
  }
  p.DRIFTSET[k] = true;
}

void Form23::Command1_Click()
{
  const int k = shownStory() - 1;
  if (k >= 1) {
    showStory(k, padded(static_cast<double>(k)));
  }
}

void Form23::Command2_Click()
{
  const int from = shownStory();
  if (from >= 1 && from < storyCount()) {
    showStory(from + 1, padded(static_cast<double>(from + 1)));
  }
}

void Form23::Command3_Click()
{
  s_.form25.open();
}

void Form23::showPickedStory(int k)
{
  if (k >= 1 && k <= storyCount()) {
    showStory(k, padded(static_cast<double>(k)));
  }
}

void Form23::APPLY_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  if (const int k = shownStory(); k > 0) {
    store(k);
  }
  s_.project.form23.Command[4].enabled = allEntered();
}

void Form23::OK_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  if (const int k = shownStory(); k > 0) {
    store(k);
  }
  for (int k = 1; k <= storyCount(); ++k) {
    if (!p.DRIFTSET[k]) {
      const std::string number = padded(static_cast<double>(k));
      s_.prompter.message(
          std::string(form23_texts::storyMissingBefore) + number + form23_texts::storyMissingAfter,
          form23_texts::storyMissingTitle);
      showStory(k, number);
      return;
    }
  }
  closeComplete();
}

void Form23::Command5_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  for (int k = 1; k <= storyCount(); ++k) {
    store(k);
  }
  closeComplete();
}

void Form23::closeComplete()
{
  Project& p = s_.project;
  returnTo(p, WindowId::Form23, WindowId::form1);
  p.form23.Command[4].enabled = true;
  p.PDELTASET = true;
  offerReportTable(p, ReportTable::StoryDisplacements);
}

void Form23::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form23, WindowId::form1);
}

void Form23::RUN6()
{
  Project& p = s_.project;
  const PDeltaRunResult r = calculatePDelta(p);
  // Story values far beyond any building (a hand-edited project file) overflow: the run stops
  // before it stores or shows anything.
  if (!r.finite) {
    s_.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }

  openOver(p, WindowId::Form23, WindowId::Form24);
  const int n = r.n;
  Grid& g = p.form24.MSFlexGrid1;
  g.setRows(n + 1);
  g.setCols(kColumns);
  g.clear();
  for (int row = 0; row <= n; ++row) {
    g.setRow(row);
    for (int c = 0; c < kColumns; ++c) {
      g.setCol(c);
      g.setCellFormat(kCellFormat);
    }
  }
  for (int c = 0; c < kColumns; ++c) {
    g.setColWidth(c, kColWidthTwips);
  }
  writeHeadings(g, r.regular);

  const int shearsFrom = r.regular ? 5 : 9;
  for (int i = 1; i <= n; ++i) {
    p.PGRAV[i] = r.gravity[i];
    p.VSTORYx[i] = r.shearX[i];
    p.VSTORYy[i] = r.shearY[i];
    storeDirection(r.x[i], i, p.THETAx, p.VPDx, p.VADDx);
    storeDirection(r.y[i], i, p.THETAy, p.VPDy, p.VADDy);

    g.setCell(i, 0, padded(static_cast<double>(i)));
    g.setCell(i, 1, padded(p.DRIFTx[i]));
    g.setCell(i, 2, padded(r.driftTotalX[i]));
    g.setCell(i, 3, padded(p.DRIFTy[i]));
    g.setCell(i, 4, padded(r.driftTotalY[i]));
    if (!r.regular) {
      g.setCell(i, 5, padded(p.DRIFTMAXx[i]));
      g.setCell(i, 6, padded(p.DRIFTMAXy[i]));
      g.setCell(i, 7, padded(r.maximumTotalX[i]));
      g.setCell(i, 8, padded(r.maximumTotalY[i]));
    }
    ShearCells x = shearCells(r.x[i], r.shearX[i]);
    ShearCells y = shearCells(r.y[i], r.shearY[i]);
    g.setCell(i, shearsFrom, std::move(x.added));
    g.setCell(i, shearsFrom + 1, std::move(x.total));
    g.setCell(i, shearsFrom + 2, std::move(y.added));
    g.setCell(i, shearsFrom + 3, std::move(y.total));
  }

  offerReportTable(p, ReportTable::PDelta);
}

}  // namespace vorn
