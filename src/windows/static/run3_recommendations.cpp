#include "windows/static/run3_recommendations.h"

#include <cmath>
#include <string>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/static/form21_recommendations.h"
#include "windows/static/run1_static.h"

namespace vorn {

namespace {

// A whole percentage or force as the list shows it.
std::string rounded(double value)
{
  return padded(roundHalfEven(value));
}

bool isMomentFrame(double system)
{
  return system >= 11 && system <= 16;
}

}  // namespace

void RUN3(Session& session)
{
  namespace t = form21_texts;
  Project& p = session.project;
  ListBox& list = p.form21.List1;
  auto add = [&list](const std::string& line) { list.addItem(line); };

  // The forces and the percentage the list writes; values far beyond any building (a
  // hand-edited project file) can overflow them, and then nothing is written.
  const double verticalPercent = 0.7 * p.a * p.i * 100;
  const bool service = !(p.i < 1.2 && p.N <= 15 && p.H1 <= 50);
  const double serviceX = p.a * p.Bx * p.i * p.WT / 6;
  const double serviceY = p.a * p.By * p.i * p.WT / 6;
  if (!std::isfinite(verticalPercent) ||
      (service && !(std::isfinite(serviceX) && std::isfinite(serviceY)))) {
    session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }

  openOver(p, WindowId::form1, WindowId::Form21);
  list.clear();
  p.REC1 = false;

  // Method of analysis.
  const bool regular = p.form8.Check[3].value == 1;
  const bool staticAllowed = regular ? p.H1 < 50 : (p.H1 < 18 && p.N < 6);
  if (staticAllowed) {
    add(t::staticAllowed);
  } else {
    add(t::dynamicMandatory);
    p.REC1 = true;
  }
  add(t::separator);

  // Site-specific spectrum, only where dynamic analysis is mandatory.
  if (p.REC1) {
    const bool soil4 = p.TS == 1.0;
    p.REC2 = soil4 && (p.H1 > 50 || p.i >= 1.2);
    if (p.REC2) {
      add(t::siteSpectrumMandatory);
      add(t::separator);
    } else if (p.H1 > 50 && (p.TS == 0.5 || p.TS == 0.7)) {
      add(t::siteSpectrumIfDeepSoil);
      add(t::siteSpectrumIfDeepSoilThen);
      add(t::separator);
    }
  }

  // Dual systems.
  if (p.SYSTEMx > 16 || p.SYSTEMy > 16) {
    add(t::dualEachSet25);
    if (p.N < 9 || p.H1 < 30) {
      add(t::dualAllToWalls);
      add(t::dualFrames30);
    }
    add(t::separator);
  }

  // Flat slabs.
  if ((isMomentFrame(p.SYSTEMx) || isMomentFrame(p.SYSTEMy)) && p.H1 > 10 && p.N > 3) {
    add(t::noFlatSlabs);
    add(t::separator);
  }

  // Vertical earthquake.
  add(t::verticalLongSpans);
  add(t::verticalConcentrated);
  add(t::verticalLoadBefore + rounded(verticalPercent) + t::verticalLoadAfter);
  add(t::verticalCantilevers);
  add(t::separator);

  // Parts and attachments.
  add(t::partsIntro);
  const double percentages[] = {0.7 * p.a * p.i * 100, 2 * p.a * p.i * 100, 2 * p.a * p.i * 100,
                                p.a * p.i * 100, p.a * p.i * 100};
  for (std::size_t k = 0; k < t::partsLabels.size(); ++k) {
    add(t::partsLabels[k] + rounded(percentages[k]) + t::percent);
  }
  add(t::separator);

  // Deformation compatibility; the factors are shown as they come.
  if (p.N > 5) {
    add(t::compatibility1);
    add(t::compatibility2 + padded(0.7 * p.Rx) + t::compatibilityX);
    add(padded(0.7 * p.Ry) + t::compatibilityY);
    add(t::separator);
  }

  // Partitions.
  if (p.i >= 1.2 || p.N > 8) {
    add(t::partitions);
    add(t::separator);
  }

  // Serviceability earthquake.
  if (service) {
    add(t::serviceability);
    add(t::serviceShearX + rounded(serviceX) + t::kilogram);
    add(t::serviceShearY + rounded(serviceY) + t::kilogram);
    for (const char* line : t::serviceLimits) {
      add(line);
    }
    add(t::separator);
  }

  // Separation joint: the height in metres read as centimetres.
  add(t::jointBefore + padded(p.H1) + t::jointAfter);
  if (p.i >= 1.2 || p.N >= 8) {
    add(t::jointPerStory + padded(p.Rx) + t::jointPerStoryX + padded(p.Ry) + t::jointPerStoryY);
  }
  add(t::separator);

  offerReportTable(p, ReportTable::Recommendations);
}

}  // namespace vorn
