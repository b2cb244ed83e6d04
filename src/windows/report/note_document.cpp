#include "windows/report/note_document.h"

#include <cmath>
#include <cstddef>

#include "calculations/static_run.h"
#include "calculations/torsion_run.h"
#include "codetables/system_table.h"
#include "model/number_text.h"
#include "session/prompter.h"
#include "windows/about/frmabout.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/report/form27_print.h"
#include "windows/report/report_composer.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/static/form13_static_results.h"
#include "windows/static/run1_static.h"
#include "windows/structure/form12_input_summary.h"
#include "windows/structure/form8_structure.h"
#include "windows/torsion/form17_torsion_summary.h"
#include "windows/torsion/form18_torsion_results.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn {

namespace {

namespace t = report_texts;

// Units of the columns.
constexpr const char* kNone = "";
constexpr const char* kKg = "kg";
constexpr const char* kM = "m";
constexpr const char* kCm = "cm";
constexpr const char* kSquareM = "m²";
constexpr const char* kKgPerSquareM = "kg/m²";
constexpr const char* kPercent = "%";
constexpr const char* kKgM = "kg·m";
constexpr const char* kSeconds = "s";

// A number as the windows write it, without the blank before a positive one.
std::string shown(double value)
{
  std::string text = padded(value);
  return text.size() > 1 && text[0] == ' ' ? text.substr(1) : text;
}

std::string trimmed(const std::string& text)
{
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A report label without its "=" and the blanks around it.
std::string label(const char* text)
{
  std::string s = text;
  std::string out;
  for (char c : s) {
    if (c != '=') {
      out.push_back(c);
    }
  }
  return trimmed(out);
}

// Stories 1 to N of the per-story tables; a story count no dialog accepts lists no more than the
// tables hold.
int storyCount(const Project& p)
{
  if (!(p.N >= 1)) {
    return 0;
  }
  return p.N >= kMaxStories ? kMaxStories : static_cast<int>(std::floor(p.N));
}

std::string comboText(const ComboBox& combo)
{
  if (combo.index < 0 || static_cast<std::size_t>(combo.index) >= combo.items.size()) {
    return {};
  }
  return combo.items[static_cast<std::size_t>(combo.index)];
}

// A result window's grid as a table: its header row, then the rows it holds; a unit for each
// column as far as `units` goes.
NoteTable gridTable(const Grid& g, std::string title, std::string sheet,
                    const std::vector<const char*>& units, int rowsWanted)
{
  NoteTable table;
  table.title = std::move(title);
  table.sheet = std::move(sheet);
  for (int c = 0; c < g.cols(); ++c) {
    const std::size_t k = static_cast<std::size_t>(c);
    table.columns.push_back({g.rows() > 0 ? trimmed(g.text(0, c)) : std::string(),
                             k < units.size() ? units[k] : kNone});
  }
  const int held = g.rows() - 1;
  const int rows = held < rowsWanted ? held : rowsWanted;
  for (int r = 1; r <= rows; ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < g.cols(); ++c) {
      row.push_back(g.text(r, c));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

// One row per story: its number, then its value in each array.
template <std::size_t N>
void addStoryRows(NoteTable& table, const std::array<const StoryArray*, N>& values, int stories)
{
  for (int i = 1; i <= stories; ++i) {
    std::vector<std::string> row = {padded(static_cast<double>(i))};
    for (const StoryArray* v : values) {
      row.push_back(padded((*v)[i]));
    }
    table.rows.push_back(std::move(row));
  }
}

std::string sheetFor(int k)
{
  switch (k) {
    case 3:
      return note_texts::torsionInputSheet;
    case 5:
      return note_texts::staticSheet;
    case 8:
      return note_texts::spectrumSheet;
    default:
      return form27_texts::checks.at(static_cast<std::size_t>(k - 1));
  }
}

void generalData(const Project& p, NoteSection& s)
{
  if (p.form2.Option1.value) {
    s.facts.push_back(
        {label(t::siteFromCity), comboText(p.form2.Combo1) + " - " + comboText(p.form2.Combo2)});
  } else {
    s.facts.push_back({label(t::siteChosenDirectly), "?"});
  }
  s.facts.push_back({std::string("A ") + t::aUnit, shown(p.a)});
  for (std::size_t k = 0; k < kSoilTypes.size(); ++k) {
    if (p.TS == kSoilTypes[k].TS) {
      s.facts.push_back({label(t::soilLabel), form3_texts::options[k]});
      break;
    }
  }
  for (std::size_t k = 0; k < kImportanceFactors.size(); ++k) {
    if (p.i == kImportanceFactors[k]) {
      s.facts.push_back({form5_texts::options[k], {}});
      break;
    }
  }
  const ResistingSystem* x = resistingSystem(p.SYSTEMx);
  const ResistingSystem* y = resistingSystem(p.SYSTEMy);
  s.facts.push_back({label(t::systemX), x ? x->caption : ""});
  s.facts.push_back({"Rx", shown(p.Rx)});
  s.facts.push_back({label(t::systemY), y ? y->caption : ""});
  s.facts.push_back({"Ry", shown(p.Ry)});
}

void storyData(const Project& p, NoteSection& s)
{
  const Form8Controls& f = p.form8;
  s.facts.push_back({label(t::storyCount), shown(p.N)});
  s.facts.push_back({label(t::height), shown(p.H1)});
  if (f.Check[1].enabled) {
    s.facts.push_back({f.Check[1].value == 1 ? form8_texts::checks[0] : t::noInfillX, {}});
  }
  if (f.Check[2].enabled) {
    s.facts.push_back({f.Check[2].value == 1 ? form8_texts::checks[1] : t::noInfillY, {}});
  }
  s.facts.push_back({f.Check[3].value == 1 ? form8_texts::checks[2] : t::irregular, {}});
  if (f.Check[4].value == 1) {
    s.facts.push_back({t::empiricalPeriod, {}});
  } else {
    s.facts.push_back({label(t::analyticalPeriod), shown(p.T)});
  }
  NoteTable table;
  table.title = form12_texts::gridTitle;
  table.sheet = sheetFor(2);
  static constexpr std::array<const char*, 11> units = {
      kNone, kSquareM, kKgPerSquareM, kKgPerSquareM, kPercent, kM,
      kM,    kPercent, kKgPerSquareM, kKg,           kM};
  for (std::size_t c = 0; c < units.size(); ++c) {
    table.columns.push_back({trimmed(form12_texts::headings[c]), units[c]});
  }
  const std::array<const StoryArray*, 10> values = {&p.AR, &p.DL,   &p.LL, &p.PERL, &p.PW,
                                                    &p.HW, &p.PERW, &p.LW, &p.LOD,  &p.HS};
  addStoryRows(table, values, storyCount(p));
  s.tables.push_back(std::move(table));
}

void torsionInput(const Project& p, NoteSection& s)
{
  s.facts.push_back({label(t::fdimX), shown(p.FDIMx)});
  s.facts.push_back({label(t::fdimY), shown(p.FDIMy)});
  s.facts.push_back({label(t::fthk), shown(p.FTHK)});
  s.facts.push_back({t::originNote, {}});
  NoteTable table;
  table.title = form17_texts::caption;
  table.sheet = sheetFor(3);
  for (const char* h : form17_texts::headings) {
    table.columns.push_back({trimmed(h), table.columns.empty() ? kNone : kM});
  }
  table.columns.push_back({form18_texts::headers[11], kNone});
  table.columns.push_back({form18_texts::headers[12], kNone});
  const std::array<const StoryArray*, 8> values = {&p.DIMx, &p.DIMy, &p.CMx, &p.CMy,
                                                   &p.CRx,  &p.CRy,  &p.Ajx, &p.Ajy};
  addStoryRows(table, values, storyCount(p));
  s.tables.push_back(std::move(table));
}

void drifts(const Project& p, NoteSection& s)
{
  const bool withMaximum = p.form23.Text[4].enabled;
  NoteTable table;
  table.title = t::driftHeading;
  table.sheet = sheetFor(4);
  table.columns.push_back({t::storyNumber, kNone});
  table.columns.push_back({plot_texts::driftX, kCm});
  if (withMaximum) {
    table.columns.push_back({plot_texts::driftMaxX, kCm});
  }
  table.columns.push_back({plot_texts::driftY, kCm});
  if (withMaximum) {
    table.columns.push_back({plot_texts::driftMaxY, kCm});
  }
  for (int i = 1, n = storyCount(p); i <= n; ++i) {
    std::vector<std::string> row = {padded(static_cast<double>(i)), paddedScaled(p.DRIFTx[i], 2)};
    if (withMaximum) {
      row.push_back(paddedScaled(p.DRIFTMAXx[i], 2));
    }
    row.push_back(paddedScaled(p.DRIFTy[i], 2));
    if (withMaximum) {
      row.push_back(paddedScaled(p.DRIFTMAXy[i], 2));
    }
    table.rows.push_back(std::move(row));
  }
  s.tables.push_back(std::move(table));
}

void staticShears(const Project& p, NoteSection& s);

void torsionResults(const Project& p, NoteSection& s)
{
  const Form18Contents& f = p.form18;
  for (const Label* l :
       {&f.Label1, &f.Label2, &f.Label3[0], &f.Label3[1], &f.Label4, &f.Label3[2]}) {
    s.lines.push_back(l->caption);
  }
  s.lines.push_back(f.Label5.caption + f.Label6[0].caption);
  s.lines.push_back(f.Label8.caption + f.Label6[1].caption);
  s.lines.push_back(f.Label7.caption);
  s.tables.push_back(gridTable(
      f.MSFlexGrid1, form18_texts::caption, sheetFor(6),
      {kNone, kM, kM, kM, kM, kKgM, kKgM, kKgM, kKgM, kKgM, kKgM, kNone, kNone}, storyCount(p)));
  s.plots.push_back(torsionPlot(p));
}

void recommendations(const Project& p, NoteSection& s)
{
  s.lines = p.form21.List1.lines();
}

void spectrum(const Project& p, NoteSection& s)
{
  const Grid& g = p.form20.MSFlexGrid1;
  s.tables.push_back(
      gridTable(g, t::spectrumHeading, sheetFor(8), {kSeconds, kNone, kNone}, g.rows()));
  s.plots.push_back(spectrumPlot(p));
}

void allowableDrifts(const Project& p, NoteSection& s)
{
  s.tables.push_back(gridTable(p.form22.MSFlexGrid1, t::allowableHeading, sheetFor(9),
                               {kNone, kCm, kCm, kCm, kCm}, storyCount(p)));
}

void pDelta(const Project& p, NoteSection& s)
{
  const Grid& g = p.form24.MSFlexGrid1;
  // Displacements in metres, then the additional and total shears of x and y.
  std::vector<const char*> units(static_cast<std::size_t>(g.cols() > 0 ? g.cols() : 0), kM);
  if (!units.empty()) {
    units[0] = kNone;
  }
  for (std::size_t c = units.size() >= 4 ? units.size() - 4 : 0; c < units.size(); ++c) {
    units[c] = kKg;
  }
  // The window's unit line: its displacements are in metres (the text report's heading, which
  // names centimetres, heads only its shears).
  s.tables.push_back(gridTable(g, form24_texts::unitLabel, sheetFor(10), units, storyCount(p)));
  s.plots.push_back(storyDriftsPlot(p));
  s.plots.push_back(stabilityPlot(p));
}

// ---- The static run worked out ----

// An intermediate value with four decimals, for the values put into a formula.
std::string value4(double value)
{
  return plain(roundHalfEven(value, 4));
}

std::string periodFormula(const StaticDirection& d, std::string& substituted, const Project& p)
{
  std::string formula = "TE = " + plain(d.periodCoefficient) + " × H^0.75";
  substituted = plain(d.periodCoefficient) + " × " + plain(p.H1) + "^0.75";
  if (d.infillFactor != 1) {
    formula += " × " + plain(d.infillFactor);
    substituted += " × " + plain(d.infillFactor);
  }
  return formula;
}

NoteDerivation direction(const Project& p, const StaticRunResult& r, bool x)
{
  const StaticDirection& d = x ? r.x : r.y;
  const double te = x ? r.TEx : r.TEy;
  const double td = x ? r.Tx : r.Ty;
  const double b = x ? r.Bx : r.By;
  const double c = x ? r.Cx : r.Cy;
  const double v = x ? r.Vx : r.Vy;
  const double ft = x ? r.Ftx : r.Fty;
  NoteDerivation out;
  out.heading = x ? note_texts::directionX : note_texts::directionY;
  std::string substituted;
  std::string formula = periodFormula(d, substituted, p);
  out.steps.push_back({"TE", formula, substituted, shown(te) + " s"});
  switch (d.rule) {
    case DesignPeriodRule::empirical:
      out.steps.push_back({"T", "T = TE", value4(d.empiricalPeriod), shown(td) + " s"});
      break;
    case DesignPeriodRule::scaledEmpirical:
      out.steps.push_back(
          {"T", "T = 1.25 × TE ≤ TA", "1.25 × " + value4(d.empiricalPeriod), shown(td) + " s"});
      break;
    case DesignPeriodRule::analytical:
      out.steps.push_back({"T", "T = TA < 1.25 × TE", plain(r.TA), shown(td) + " s"});
      break;
  }
  const std::string t = value4(d.designPeriod);
  switch (d.branch) {
    case ReflectionBranch::rising:
      out.steps.push_back({"B", "B = 1 + S × T / T0",
                           "1 + " + plain(p.S) + " × " + t + " / " + plain(p.T0), shown(b)});
      break;
    case ReflectionBranch::plateau:
      out.steps.push_back({"B", "B = S + 1", plain(p.S) + " + 1", shown(b)});
      break;
    case ReflectionBranch::falling:
      out.steps.push_back({"B", "B = (S + 1) × (TS / T)^(2/3)",
                           "(" + plain(p.S) + " + 1) × (" + plain(p.TS) + " / " + t + ")^(2/3)",
                           shown(b)});
      break;
  }
  const std::string ai = plain(p.a) + " × " + plain(p.i);
  if (d.floored) {
    out.steps.push_back({"C", "B / R ≤ 0.1 : C = 0.1 × A × I", "0.1 × " + ai, shown(c)});
  } else {
    out.steps.push_back(
        {"C", "C = A × B × I / R",
         plain(p.a) + " × " + value4(d.reflection) + " × " + plain(p.i) + " / " + plain(d.R),
         x && r.xFloor ? shown(roundHalfEven(d.coefficient, 3)) : shown(c)});
    if (x && r.xFloor) {
      out.steps.push_back({"C", "Bx / Rx < 0.1 : Cx = 0.1 × A × I", "0.1 × " + ai, shown(c)});
    }
  }
  out.steps.push_back({"V", "V = C × W", plain(c) + " × " + value4(r.WT), shown(v) + " kg"});
  if (td < 0.7) {
    out.steps.push_back({"Ft", "T = " + plain(td) + " s < 0.7 s : Ft", {}, shown(0) + " kg"});
  } else if (0.25 * v < 0.07 * td * v) {
    out.steps.push_back({"Ft", "Ft = 0.25 × V ≤ 0.07 × T × V", "0.25 × " + plain(v),
                         shown(roundHalfEven(ft)) + " kg"});
  } else {
    out.steps.push_back({"Ft", "Ft = 0.07 × T × V", "0.07 × " + plain(td) + " × " + plain(v),
                         shown(roundHalfEven(ft)) + " kg"});
  }
  return out;
}

// The run worked out only when it gives what the project holds: the stored results of the run
// the engineer made.
bool matchesProject(const StaticRunResult& r, const Project& p)
{
  return r.stop == StaticStop::none && r.Tx == p.Tx && r.Ty == p.Ty && r.Bx == p.Bx &&
         r.By == p.By && r.Cx == p.Cx && r.Cy == p.Cy && r.Vx == p.Vx && r.Vy == p.Vy &&
         r.Ftx == p.Ftx && r.Fty == p.Fty;
}

void staticShears(const Project& p, NoteSection& s)
{
  s.lines = p.form13.List1.lines();
  s.facts.push_back({"A", shown(p.a)});
  s.facts.push_back({"I", shown(p.i)});
  s.facts.push_back({"S", shown(p.S)});
  s.facts.push_back({"T0", shown(p.T0) + " s"});
  s.facts.push_back({"TS", shown(p.TS) + " s"});
  s.facts.push_back({"H", shown(p.H1) + " m"});
  s.facts.push_back({"Rx", shown(p.Rx)});
  s.facts.push_back({"Ry", shown(p.Ry)});
  const StaticRunResult r = calculateStaticRun(p);
  if (matchesProject(r, p)) {
    s.facts.push_back({"W", shown(roundHalfEven(r.WT)) + " kg"});
    s.derivation.push_back(direction(p, r, true));
    s.derivation.push_back(direction(p, r, false));
  }
  s.tables.push_back(gridTable(p.form13.MSFlexGrid1, form13_texts::unitLabel, sheetFor(5),
                               {kNone, kM, kM, kKg, kKg, kKg, kKg, kKg}, storyCount(p)));
  s.plots.push_back(storyForcesPlot(p));
}

// ---- Tables that are ticked but not available ----

std::string staticStopMessage(const StaticRunResult& r)
{
  switch (r.stop) {
    case StaticStop::none:
      return {};
    case StaticStop::codeCheck:
      return r.failedCheck >= 1 && r.failedCheck <= 8
                 ? run1_texts::stopMessages.at(static_cast<std::size_t>(r.failedCheck - 1))
                 : run1_texts::invalidDataMessage;
    case StaticStop::zeroSum:
      return run1_texts::zeroSumMessage;
    case StaticStop::invalid:
      return run1_texts::invalidDataMessage;
  }
  return {};
}

std::string torsionStopMessage(const TorsionRunResult& r)
{
  switch (r.stop) {
    case TorsionStop::none:
      return {};
    case TorsionStop::invalidStoryCount:
    case TorsionStop::driftsNotFinite:
    case TorsionStop::invalid:
      return run1_texts::invalidDataMessage;
    case TorsionStop::driftsMissing:
      return run2_texts::driftsMissing;
    case TorsionStop::driftBelowAverage:
      return std::string(run2_texts::driftBelowAverageBefore) +
             padded(static_cast<double>(r.stopStory)) + run2_texts::driftBelowAverageAfter;
    case TorsionStop::noOverturningMoment:
      return run2_texts::noOverturningMoment;
  }
  return {};
}

// Why table k is not available: the message of the run it comes from, when that run stops on the
// project's inputs, or that the project does not hold its data. Every table from the static run's
// on needs that run, except the spectrum.
std::string stopMessage(const Project& p, int k)
{
  std::string message;
  if (k >= 5 && k != 8) {
    message = staticStopMessage(calculateStaticRun(p));
  }
  if (message.empty() && k == 6) {
    message = torsionStopMessage(calculateTorsionRun(p));
  }
  return message.empty() ? note_texts::notAvailable : message;
}

}  // namespace

bool reportHasTable(const Project& p)
{
  for (int k = 1; k <= 10; ++k) {
    if (tableIncluded(p, k)) {
      return true;
    }
  }
  return false;
}

bool cellNumber(const std::string& text, double& value)
{
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return false;
  }
  const std::size_t last = text.find_last_not_of(' ');
  const NumericPrefix prefix = numericPrefix(std::string_view(text).substr(0, last + 1));
  if (prefix.length != last + 1) {
    return false;
  }
  // A lone sign or point reads as no number.
  const std::string_view digits = std::string_view(text).substr(first, last + 1 - first);
  if (digits.find_first_of("0123456789") == std::string_view::npos) {
    return false;
  }
  // Beyond the range of a double the reading gives 0: not the number written.
  const std::string_view mantissa = digits.substr(0, digits.find_first_of("eE"));
  if (prefix.value == 0 && mantissa.find_first_of("123456789") != std::string_view::npos) {
    return false;
  }
  value = prefix.value;
  return std::isfinite(value);
}

NoteDocument buildNoteDocument(const Project& p, const NoteTitle& title)
{
  using Compose = void (*)(const Project&, NoteSection&);
  static constexpr std::array<Compose, 10> compose = {
      generalData,    storyData,       torsionInput, drifts,          staticShears,
      torsionResults, recommendations, spectrum,     allowableDrifts, pDelta};
  NoteDocument note;
  note.title = title;
  note.program = std::string(kProgramTitle) + " " + std::to_string(kVersionMajor) + "." +
                 std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
  for (int k = 1; k <= 10; ++k) {
    if (p.form27.Check[k].value != 1) {
      continue;
    }
    NoteSection section;
    section.table = k;
    section.heading = form27_texts::checks.at(static_cast<std::size_t>(k - 1));
    if (tableIncluded(p, k)) {
      compose.at(static_cast<std::size_t>(k - 1))(p, section);
    } else {
      section.stopMessage = stopMessage(p, k);
    }
    note.sections.push_back(std::move(section));
  }
  return note;
}

}  // namespace vorn
