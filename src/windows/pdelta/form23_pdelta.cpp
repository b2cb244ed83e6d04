#include "windows/pdelta/form23_pdelta.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/pdelta/form25_story_picker.h"
#include "windows/static/run1_static.h"

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

// Stability coefficients from this value on are not negligible.
constexpr double kNegligibleBelow = 0.1;
// Above this value, or above 1.25 / R, the story is unstable.
constexpr double kUnstableAbove = 0.25;
constexpr double kUnstableTimesR = 1.25;

constexpr int kColumns = 13;
constexpr int kColWidthTwips = 2500;
constexpr int kCellFormat = 3;

// Working values by story, 1 to N (entry 0 unused).
using StoryValues = std::array<double, kMaxStories + 1>;

bool isRegular(const Project& p)
{
  return p.form8.Check[3].value != 0;
}

// The two cells of one direction of one story: the verdict (or additional shear) and the total
// shear.
struct ShearCells {
  std::string added;
  std::string total;
};

// Stability coefficient, verdict and, for an amplified story, the amplified and additional
// shears of one direction of story i. A story whose coefficient cannot be computed (no story
// shear, no story height) gets θ = 0 stored and cells that say it is undetermined; its amplified
// shears stay as they were, like those of every story that is not amplified.
ShearCells checkDirection(Project& p, int i, double driftValue, double V, double R,
                          StoryArray& theta, StoryArray& VPD, StoryArray& VADD)
{
  namespace t = form24_texts;
  if (V == 0 || p.HS[i] == 0) {
    theta[i] = 0;
    return {V == 0 ? t::zeroShear : t::zeroHeight, t::undetermined};
  }
  const double th = driftValue * p.PGRAV[i] / V / p.HS[i];
  if (std::isnan(th)) {
    theta[i] = 0;
    return {t::undetermined, t::undetermined};
  }
  theta[i] = th;
  if (th < kNegligibleBelow) {
    return {t::negligible, padded(V)};
  }
  if (th > kUnstableAbove || th > kUnstableTimesR / R) {
    return {t::unstable, t::unstableShear};
  }
  VPD[i] = roundHalfEven(V / (1 - th));
  VADD[i] = VPD[i] - V;
  return {padded(VADD[i]), padded(VPD[i])};
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
  // A negative drift is reported on leaving the box but stays in it; the validation of the
  // next store refuses it.
  auto keep = [&p = session.project](int k) { return [&p, k] { return p.form23.Text[k].text; }; };
  for (int k = 2; k <= 5; ++k) {
    boxes_.add(k, form23_texts::picture, atLeast(0), form23_texts::negativeLeave, keep(k));
  }
}

int Form23::storyCount() const
{
  const double n = s_.project.N;
  return n >= 1 && n <= kMaxStories && std::floor(n) == n ? static_cast<int>(n) : 1;
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
  const int n = storyCount();
  const bool regular = isRegular(p);

  // Gravity load and shears of every story, from it up to the roof. Story values far beyond any
  // building (a hand-edited project file) can overflow them, the drift totals or the
  // coefficients: then the run stops before it stores or shows anything.
  StoryValues gravity{}, shearX{}, shearY{};
  bool finite = true;
  auto see = [&finite](double v) { finite = finite && std::isfinite(v); };
  double driftsX = 0, driftsY = 0, maximaX = 0, maximaY = 0;  // the grid's running totals
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    for (int j = i; j <= n; ++j) {
      gravity.at(k) += p.StoryWeight[j] + p.LL[j] * p.AR[j] * (1 - p.PERL[j] / 100);
      shearX.at(k) += p.ForceX[j];
      shearY.at(k) += p.ForceY[j];
    }
    driftsX += p.DRIFTx[i];
    driftsY += p.DRIFTy[i];
    maximaX += p.DRIFTMAXx[i];
    maximaY += p.DRIFTMAXy[i];
    for (const double v :
         {gravity.at(k), shearX.at(k), shearY.at(k), driftsX, driftsY, maximaX, maximaY}) {
      see(v);
    }
    for (const auto& [drift, shear] :
         {std::pair{p.DRIFTx[i], shearX.at(k)}, std::pair{p.DRIFTy[i], shearY.at(k)}}) {
      if (shear != 0 && p.HS[i] != 0) {
        see(drift * gravity.at(k) / shear / p.HS[i]);
      }
    }
  }
  if (!finite) {
    s_.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }

  openOver(p, WindowId::Form23, WindowId::Form24);
  for (int i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    p.PGRAV[i] = gravity.at(k);
    p.VSTORYx[i] = shearX.at(k);
    p.VSTORYy[i] = shearY.at(k);
  }

  Grid& g = p.form24.MSFlexGrid1;
  g.setRows(n + 1);
  g.setCols(kColumns);
  g.clear();
  for (int r = 0; r <= n; ++r) {
    g.setRow(r);
    for (int c = 0; c < kColumns; ++c) {
      g.setCol(c);
      g.setCellFormat(kCellFormat);
    }
  }
  for (int c = 0; c < kColumns; ++c) {
    g.setColWidth(c, kColWidthTwips);
  }
  writeHeadings(g, regular);

  double totalX = 0, totalY = 0, totalMaxX = 0, totalMaxY = 0;
  const int shearsFrom = regular ? 5 : 9;
  for (int i = 1; i <= n; ++i) {
    totalX += p.DRIFTx[i];
    totalY += p.DRIFTy[i];
    totalMaxX += p.DRIFTMAXx[i];
    totalMaxY += p.DRIFTMAXy[i];
    g.setCell(i, 0, padded(static_cast<double>(i)));
    g.setCell(i, 1, padded(p.DRIFTx[i]));
    g.setCell(i, 2, padded(totalX));
    g.setCell(i, 3, padded(p.DRIFTy[i]));
    g.setCell(i, 4, padded(totalY));
    if (!regular) {
      g.setCell(i, 5, padded(p.DRIFTMAXx[i]));
      g.setCell(i, 6, padded(p.DRIFTMAXy[i]));
      g.setCell(i, 7, padded(totalMaxX));
      g.setCell(i, 8, padded(totalMaxY));
    }
    const ShearCells x =
        checkDirection(p, i, p.DRIFTx[i], p.VSTORYx[i], p.Rx, p.THETAx, p.VPDx, p.VADDx);
    const ShearCells y =
        checkDirection(p, i, p.DRIFTy[i], p.VSTORYy[i], p.Ry, p.THETAy, p.VPDy, p.VADDy);
    g.setCell(i, shearsFrom, x.added);
    g.setCell(i, shearsFrom + 1, x.total);
    g.setCell(i, shearsFrom + 2, y.added);
    g.setCell(i, shearsFrom + 3, y.total);
  }

  offerReportTable(p, ReportTable::PDelta);
}

}  // namespace vorn
