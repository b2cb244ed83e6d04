#include "windows/static/run3_recommendations.h"

#include <cstddef>
#include <string>

#include "calculations/recommendations.h"
#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/common/run_messages.h"
#include "windows/static/form21_recommendations.h"

namespace vorn {

void RUN3(Session& session)
{
  namespace t = form21_texts;
  Project& p = session.project;
  ListBox& list = p.form21.List1;
  auto add = [&list](const std::string& line) { list.addItem(line); };

  const RecommendationsResult r = calculateRecommendations(p);
  if (!r.finite) {
    session.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }

  openOver(p, WindowId::form1, WindowId::Form21);
  list.clear();
  p.REC1 = r.dynamicMandatory;

  // Method of analysis.
  add(r.dynamicMandatory ? t::dynamicMandatory : t::staticAllowed);
  add(t::separator);

  // Site-specific spectrum, only where dynamic analysis is mandatory; REC2 stays as it was
  // elsewhere.
  if (r.dynamicMandatory) {
    p.REC2 = r.siteSpectrumMandatory;
    if (r.siteSpectrumMandatory) {
      add(t::siteSpectrumMandatory);
      add(t::separator);
    } else if (r.siteSpectrumIfDeepSoil) {
      add(t::siteSpectrumIfDeepSoil);
      add(t::siteSpectrumIfDeepSoilThen);
      add(t::separator);
    }
  }

  // Dual systems.
  if (r.dual) {
    add(t::dualEachSet25);
    if (r.dualAllToWalls) {
      add(t::dualAllToWalls);
      add(t::dualFrames30);
    }
    add(t::separator);
  }

  // Flat slabs.
  if (r.noFlatSlabs) {
    add(t::noFlatSlabs);
    add(t::separator);
  }

  // Vertical earthquake.
  add(t::verticalLongSpans);
  add(t::verticalConcentrated);
  add(t::verticalLoadBefore + padded(r.verticalPercent) + t::verticalLoadAfter);
  add(t::verticalCantilevers);
  add(t::separator);

  // Parts and attachments.
  add(t::partsIntro);
  for (std::size_t k = 0; k < t::partsLabels.size(); ++k) {
    add(t::partsLabels[k] + padded(r.partsPercent.at(k)) + t::percent);
  }
  add(t::separator);

  // Deformation compatibility; the factors are shown as they come.
  if (r.compatibility) {
    add(t::compatibility1);
    add(t::compatibility2 + padded(r.compatibilityFactorX) + t::compatibilityX);
    add(padded(r.compatibilityFactorY) + t::compatibilityY);
    add(t::separator);
  }

  // Partitions.
  if (r.partitions) {
    add(t::partitions);
    add(t::separator);
  }

  // Serviceability earthquake.
  if (r.service) {
    add(t::serviceability);
    add(t::serviceShearX + padded(r.serviceShearX) + t::kilogram);
    add(t::serviceShearY + padded(r.serviceShearY) + t::kilogram);
    for (const char* line : t::serviceLimits) {
      add(line);
    }
    add(t::separator);
  }

  // Separation joint: the height in metres read as centimetres.
  add(t::jointBefore + padded(r.jointWidth) + t::jointAfter);
  if (r.jointPerStory) {
    add(t::jointPerStory + padded(p.Rx) + t::jointPerStoryX + padded(p.Ry) + t::jointPerStoryY);
  }
  add(t::separator);

  offerReportTable(p, ReportTable::Recommendations);
}

}  // namespace vorn
