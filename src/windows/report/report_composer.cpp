#include "windows/report/report_composer.h"

#include <cmath>
#include <cstddef>

#include "codetables/system_table.h"
#include "model/number_text.h"
#include "windows/report/form27_print.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/structure/form12_input_summary.h"
#include "windows/structure/form8_structure.h"

namespace vorn {

namespace {

namespace t = report_texts;

// The report's lines as they are built: every line gets the indent unless it brings its own
// leading run.
class Lines {
public:
  void add(const std::string& text) { lines_.push_back(std::string(kReportIndent, ' ') + text); }
  void addRaw(std::string text) { lines_.push_back(std::move(text)); }
  void rule() { add(std::string(kRuleLength, '-')); }
  void storySeparator() { add(std::string(kStorySeparatorLength, '*')); }
  std::vector<std::string> take() { return std::move(lines_); }

private:
  std::vector<std::string> lines_;
};

std::string number(double value)
{
  return padded(value);
}

std::string storyNumber(int story)
{
  return padded(static_cast<double>(story));
}

// Stories 1 to N that the per-story tables hold; a story count that no dialog accepts (a damaged
// file) lists no more than the tables hold.
int storyCount(const Project& p)
{
  if (!(p.N >= 1)) {
    return 0;
  }
  return p.N >= kMaxStories ? kMaxStories : static_cast<int>(std::floor(p.N));
}

// A grid cell, or the empty text for a cell the grid does not have (a window that was never
// filled holds only its empty first rows).
std::string cell(const Grid& g, int row, int col)
{
  if (row < 0 || row >= g.rows() || col < 0 || col >= g.cols()) {
    return {};
  }
  return g.text(row, col);
}

// The data rows a grid holds, at most `wanted`.
int gridRows(const Grid& g, int wanted)
{
  const int held = g.rows() - 1;
  return held < wanted ? (held < 0 ? 0 : held) : wanted;
}

// The text a combo box shows: its selected item, or nothing when none is selected.
std::string comboText(const ComboBox& combo)
{
  if (combo.index < 0 || static_cast<std::size_t>(combo.index) >= combo.items.size()) {
    return {};
  }
  return combo.items[static_cast<std::size_t>(combo.index)];
}

std::string systemCaption(double code)
{
  const ResistingSystem* system = resistingSystem(code);
  return system ? system->caption : "";
}

void generalData(const Project& p, Lines& out)
{
  out.add(t::generalHeading);
  if (p.form2.Option1.value) {
    out.add(std::string(t::siteFromCity) + comboText(p.form2.Combo1) + t::provinceCitySeparator +
            comboText(p.form2.Combo2));
  } else {
    out.add(std::string(t::siteChosenDirectly) + t::siteUnknown);
  }
  out.add(std::string(t::aLabel) + number(p.a) + t::aUnit);
  for (std::size_t k = 0; k < kSoilTypes.size(); ++k) {
    if (p.TS == kSoilTypes[k].TS) {
      out.add(std::string(t::soilLabel) + form3_texts::options[k]);
      break;
    }
  }
  for (std::size_t k = 0; k < kImportanceFactors.size(); ++k) {
    if (p.i == kImportanceFactors[k]) {
      out.add(form5_texts::options[k]);
      break;
    }
  }
  out.add(systemCaption(p.SYSTEMx) + t::systemX + t::rLabel + number(p.Rx));
  out.add(systemCaption(p.SYSTEMy) + t::systemY + t::rLabel + number(p.Ry));
  out.rule();
}

void storyData(const Project& p, Lines& out)
{
  const Form8Controls& f = p.form8;
  out.add(form27_texts::checks[1]);
  out.add(std::string(t::storyCount) + number(p.N));
  out.add(std::string(t::height) + number(p.H1));
  if (f.Check[1].enabled) {
    out.add(f.Check[1].value == 1 ? form8_texts::checks[0] : t::noInfillX);
  }
  if (f.Check[2].enabled) {
    out.add(f.Check[2].value == 1 ? form8_texts::checks[1] : t::noInfillY);
  }
  out.add(f.Check[3].value == 1 ? form8_texts::checks[2] : t::irregular);
  if (f.Check[4].value == 1) {
    out.add(t::empiricalPeriod);
  } else {
    out.add(form12_texts::analytical);
    out.add(std::string(t::analyticalPeriod) + number(p.T));
  }
  out.storySeparator();
  const std::array<const StoryArray*, 10> values = {&p.AR, &p.DL,   &p.LL, &p.PERL, &p.PW,
                                                    &p.HW, &p.PERW, &p.LW, &p.LOD,  &p.HS};
  for (int i = 1, n = storyCount(p); i <= n; ++i) {
    out.add(t::storyHeading + storyNumber(i));
    for (std::size_t k = 0; k < values.size(); ++k) {
      out.add(t::storyLabels[k] + number((*values[k])[i]));
    }
    out.storySeparator();
  }
  out.rule();
}

void torsionInput(const Project& p, Lines& out)
{
  out.add(t::torsionInputHeading);
  out.add(std::string(t::fdimX) + number(p.FDIMx));
  out.add(std::string(t::fdimY) + number(p.FDIMy));
  out.add(std::string(t::fthk) + number(p.FTHK));
  out.storySeparator();
  out.add(t::originNote);
  const std::array<const StoryArray*, 8> values = {&p.DIMx, &p.DIMy, &p.CMx, &p.CMy,
                                                   &p.CRx,  &p.CRy,  &p.Ajx, &p.Ajy};
  for (int i = 1, n = storyCount(p); i <= n; ++i) {
    out.add(t::storyHeading + storyNumber(i));
    for (std::size_t k = 0; k < values.size(); ++k) {
      out.add(t::torsionLabels[k] + number((*values[k])[i]));
    }
    out.storySeparator();
  }
  out.rule();
}

// Drifts are stored in metres and reported in centimetres.
std::string driftLine(const char* label, int story, double metres)
{
  return label + storyNumber(story) + t::driftUnit + "=" + paddedScaled(metres, 2);
}

void drifts(const Project& p, Lines& out)
{
  out.add(t::driftHeading);
  const bool withMaximum = p.form23.Text[4].enabled;
  for (int i = 1, n = storyCount(p); i <= n; ++i) {
    out.add(driftLine(t::driftX, i, p.DRIFTx[i]));
    if (withMaximum) {
      out.add(driftLine(t::driftMaxX, i, p.DRIFTMAXx[i]));
    }
    out.add(driftLine(t::driftY, i, p.DRIFTy[i]));
    if (withMaximum) {
      out.add(driftLine(t::driftMaxY, i, p.DRIFTMAXy[i]));
    }
    out.add(std::string(kDriftSeparatorLength, '*'));
  }
  out.rule();
}

void storyShears(const Project& p, Lines& out)
{
  for (const std::string& line : p.form13.List1.lines()) {
    out.add(line);
  }
  out.storySeparator();
  for (int i = 1, n = storyCount(p); i <= n; ++i) {
    const std::string story = storyNumber(i);
    out.add(t::weightBefore + story + t::weightAfter + number(p.StoryWeight[i]));
    out.add(t::forceXBefore + story + t::forceAfter + number(p.ForceX[i]));
    out.add(t::forceYBefore + story + t::forceAfter + number(p.ForceY[i]));
    out.add(t::diaphragmXBefore + story + t::forceAfter + number(p.DiaphragmX[i]));
    out.add(t::diaphragmYBefore + story + t::forceAfter + number(p.DiaphragmY[i]));
    out.storySeparator();
  }
  out.rule();
}

void torsionResults(const Project& p, Lines& out)
{
  const Form18Contents& f = p.form18;
  out.add(t::torsionHeading);
  for (const Label* label :
       {&f.Label1, &f.Label2, &f.Label3[0], &f.Label3[1], &f.Label4, &f.Label3[2]}) {
    out.add(label->caption);
  }
  out.addRaw(std::string(2 * kReportIndent, ' ') + f.Label5.caption + f.Label6[0].caption);
  out.add(f.Label8.caption + f.Label6[1].caption);
  out.add(f.Label7.caption);
  out.storySeparator();
  const std::array<const StoryArray*, 10> values = {&p.ECCx, &p.ECCy, &p.EACCx, &p.EACCy, &p.MTx,
                                                    &p.MTAx, &p.MTTx, &p.MTy,   &p.MTAy,  &p.MTTy};
  for (int i = 1, n = storyCount(p); i <= n; ++i) {
    out.add(t::storyHeading + storyNumber(i) + t::torsionStoryUnit);
    for (std::size_t k = 0; k < values.size(); ++k) {
      const int col = static_cast<int>(k) + 1;
      out.add(cell(f.MSFlexGrid1, 0, col) + "=" + number((*values[k])[i]));
    }
    out.storySeparator();
  }
  out.rule();
}

void recommendations(const Project& p, Lines& out)
{
  out.add(t::recommendationHeading);
  for (const std::string& line : p.form21.List1.lines()) {
    out.add(line);
  }
  out.add(std::string(kRecommendationRuleLength, '-'));
}

// A spectrum cell as a number.
std::string spectrumValue(const Grid& g, int row, int col)
{
  return number(numericValue(cell(g, row, col)));
}

void spectrum(const Project& p, Lines& out)
{
  const Grid& g = p.form20.MSFlexGrid1;
  out.add(t::spectrumHeading);
  out.add(t::spectrumColumns);
  for (int r = 1, rows = gridRows(g, g.rows()); r <= rows; ++r) {
    out.add(spectrumValue(g, r, 2) + std::string(27, ' ') + spectrumValue(g, r, 1) +
            std::string(24, ' ') + spectrumValue(g, r, 0));
  }
  out.rule();
}

void allowableDrifts(const Project& p, Lines& out)
{
  const Grid& g = p.form22.MSFlexGrid1;
  out.add(t::allowableHeading);
  out.add(std::string(t::storyNumber) + t::allowableX + t::allowableY);
  for (int i = 1, n = gridRows(g, storyCount(p)); i <= n; ++i) {
    out.add(cell(g, i, 3) + std::string(36, ' ') + cell(g, i, 1) + std::string(32, ' ') +
            storyNumber(i));
  }
  out.rule();
}

// The P-Delta verdicts are written in Latin letters; every other cell as it stands.
std::string verdict(const std::string& text)
{
  if (text == t::negligible) {
    return t::negligibleOut;
  }
  if (text == t::unstable) {
    return t::unstableOut;
  }
  return text;
}

void pDelta(const Project& p, Lines& out)
{
  const Grid& g = p.form24.MSFlexGrid1;
  out.add(t::pdeltaHeading);
  out.add(std::string(t::storyNumber) + t::pdeltaAddedX + t::pdeltaTotalX + t::pdeltaAddedY +
          t::pdeltaTotalY);
  // Additional and total shear of x, then of y.
  const int shears = p.form8.Check[3].value == 1 ? 5 : 9;
  for (int i = 1, n = gridRows(g, storyCount(p)); i <= n; ++i) {
    out.add(cell(g, i, shears + 3) + std::string(19, ' ') + verdict(cell(g, i, shears + 2)) +
            std::string(21, ' ') + cell(g, i, shears + 1) + std::string(24, ' ') +
            verdict(cell(g, i, shears)) + std::string(14, ' ') + storyNumber(i));
  }
  out.rule();
}

}  // namespace

bool anyTableTicked(const Project& p)
{
  for (int k = 1; k <= 10; ++k) {
    if (p.form27.Check[k].value == 1) {
      return true;
    }
  }
  return false;
}

bool tableIncluded(const Project& p, int k)
{
  const CheckBox& check = p.form27.Check[k];
  return check.value == 1 && (k == 1 || check.enabled);
}

std::vector<std::string> composeReport(const Project& p)
{
  using Table = void (*)(const Project&, Lines&);
  static constexpr std::array<Table, 10> tables = {
      generalData,    storyData,       torsionInput, drifts,          storyShears,
      torsionResults, recommendations, spectrum,     allowableDrifts, pDelta};
  Lines out;
  out.rule();
  for (int k = 1; k <= 10; ++k) {
    if (tableIncluded(p, k)) {
      tables[static_cast<std::size_t>(k - 1)](p, out);
    }
  }
  return out.take();
}

}  // namespace vorn
