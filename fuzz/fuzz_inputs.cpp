#include "fuzz_inputs.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "fileformat/codepage.h"
#include "fileformat/project_file.h"
#include "fileformat/project_file_layout.h"
#include "model/number_text.h"
#include "session/prompter.h"
#include "session/session.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/files/open_project.h"
#include "windows/main/form1_main.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/report/report_composer.h"
#include "windows/site/form2_site.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/site/form7_systems.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/spectrum/form20_spectrum.h"
#include "windows/static/form13_static_results.h"
#include "windows/static/form21_recommendations.h"
#include "windows/static/form22_allowable_drifts.h"
#include "windows/structure/form10_stories.h"
#include "windows/structure/form8_structure.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form15_story_picker.h"
#include "windows/torsion/form16_torsion_stories.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn::fuzz {

namespace {

// Nobody sits in front of the fuzzer: messages go nowhere and every question is answered yes.
class SilentPrompter : public Prompter {
public:
  void message(const std::string&, const std::string&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  bool askOkCancel(const std::string&, const std::string&) override { return true; }
};

std::string shown(std::string_view text)
{
  constexpr std::size_t kShown = 80;
  std::string s = "\"";
  s += text.substr(0, kShown);
  s += text.size() > kShown ? "...\"" : "\"";
  return s;
}

// A number in the program's form and in full (the shortest text that reads back exactly).
std::string numberText(double v)
{
  std::array<char, 64> full{};
  const auto end = std::to_chars(full.data(), full.data() + full.size(), v).ptr;
  return padded(v) + " (" + std::string(full.data(), end) + ")";
}

// The value of a decimal number text by the C library, as an independent reading: nothing when
// the library finds it out of range.
std::optional<double> libraryValue(std::string_view prefix)
{
  const std::string text(prefix);
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (errno == ERANGE || end != text.c_str() + text.size()) {
    return std::nullopt;
  }
  return v;
}

// A number written as the program writes numbers reads back within its 15 significant digits.
std::optional<std::string> writtenReadsBack(double v, const std::string& text, const char* form)
{
  const NumericPrefix back = numericPrefix(text);
  if (back.length != text.size()) {
    return std::string(form) + " form " + shown(text) + " of " + numberText(v) +
           " is not one number from end to end";
  }
  if (std::fabs(back.value - v) > 1e-14 * std::fabs(v)) {
    return std::string(form) + " form " + shown(text) + " of " + numberText(v) + " reads back as " +
           numberText(back.value);
  }
  return std::nullopt;
}

// "Inf" or "NaN" as the program writes a number that is not finite, not inside a longer word.
bool showsNotFinite(std::string_view t)
{
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  for (std::string_view word : {"Inf", "NaN"}) {
    for (auto at = t.find(word); at != std::string_view::npos; at = t.find(word, at + 1)) {
      const auto after = at + word.size();
      if ((at == 0 || !letter(t[at - 1])) && (after == t.size() || !letter(t[after]))) {
        return true;
      }
    }
  }
  return false;
}

class FiniteValues : public ValueLines {
public:
  explicit FiniteValues(const std::vector<std::string>* given) : given_(given) {}
  int firstBad = 0;

  void onNumber(double& v, int line) override { see(std::isfinite(v), line); }
  void onText(std::string& t, int line) override { see(finiteText(t, line), line); }
  void onBoxText(std::string& t, int line) override { see(finiteText(t, line), line); }

private:
  // A text counts only when the program made it so: not when the file already said it.
  bool finiteText(const std::string& t, int line) const
  {
    const auto at = static_cast<std::size_t>(line - 1);
    const bool given = given_ != nullptr && at < given_->size() && showsNotFinite((*given_)[at]);
    return given || !showsNotFinite(t);
  }
  void see(bool fine, int line)
  {
    if (!fine && firstBad == 0) {
      firstBad = line;
    }
  }
  const std::vector<std::string>* given_;
};

// The first cell or list line of a results window that shows a number that is not finite.
std::optional<std::string> shownNotFinite(const Project& p)
{
  const std::pair<const char*, const ViewContents*> windows[] = {
      {"the input summary", &p.form12},    {"the static results", &p.form13},
      {"the torsion summary", &p.form17},  {"the torsion results", &p.form18},
      {"the spectrum", &p.form20},         {"the recommendations", &p.form21},
      {"the allowable drifts", &p.form22}, {"the P-Delta results", &p.form24},
  };
  for (const auto& [name, w] : windows) {
    const Grid& g = w->MSFlexGrid1;
    for (int r = 0; r < g.rows(); ++r) {
      for (int c = 0; c < g.cols(); ++c) {
        if (showsNotFinite(g.text(r, c))) {
          return std::string(name) + " shows " + shown(g.text(r, c)) + " in row " +
                 std::to_string(r) + ", column " + std::to_string(c);
        }
      }
    }
    for (const std::string& line : w->List1.lines()) {
      if (showsNotFinite(line)) {
        return std::string(name) + " lists " + shown(line);
      }
    }
  }
  return std::nullopt;
}

}  // namespace

int firstLineNotFinite(Project& project, const std::vector<std::string>* given)
{
  FiniteValues v(given);
  visitLayout(project, v);
  return v.firstBad;
}

std::optional<std::string> projectFileInput(std::string_view bytes)
{
  const ProjectFileRead read = checkProjectBytes(bytes);
  if (!read.ok()) {
    if (!read.lines.empty()) {
      return "a refused file still gave lines to read";
    }
    return std::nullopt;
  }
  if (read.lines.size() != static_cast<std::size_t>(kProjectFileLines)) {
    return "an accepted file has " + std::to_string(read.lines.size()) + " lines";
  }

  SilentPrompter prompter;
  const auto session = std::make_unique<Session>(prompter);
  openProjectLines(*session, read.lines);
  if (const int line = firstLineNotFinite(session->project, &read.lines); line != 0) {
    return "after opening, line " + std::to_string(line) + " of the project is not a finite number";
  }
  if (auto shown = shownNotFinite(session->project)) {
    return "after opening, " + *shown;
  }

  // What was opened must save to a file that passes the same checks.
  const std::vector<std::string> saved = projectFileLines(session->project);
  std::string text;
  for (const std::string& line : saved) {
    text += line;
    text += "\r\n";
  }
  const auto again = toWindows1256(text);
  if (!again) {
    for (std::size_t k = 0; k < saved.size(); ++k) {
      if (!toWindows1256(saved[k])) {
        return "line " + std::to_string(k + 1) +
               " of the opened project cannot be saved: " + shown(saved[k]);
      }
    }
    return "the opened project cannot be saved";
  }
  const ProjectFileRead reread = checkProjectBytes(*again);
  if (!reread.ok()) {
    return "the opened project saves a file that is refused: " + reread.error;
  }

  // The report of every table the project can give: made without a fault, and every line one
  // that a report file can hold, without a number that is not finite.
  for (int k = 1; k <= 10; ++k) {
    session->project.form27.Check[k].value = 1;
  }
  const std::vector<std::string> report = composeReport(session->project);
  for (std::size_t k = 0; k < report.size(); ++k) {
    if (!toWindows1256(report[k])) {
      return "report line " + std::to_string(k + 1) + " cannot be written: " + shown(report[k]);
    }
    if (showsNotFinite(report[k])) {
      return "report line " + std::to_string(k + 1) +
             " shows a number that is not finite: " + shown(report[k]);
    }
  }
  return std::nullopt;
}

void describeAndRunEverything(Session& s)
{
  Project& p = s.project;
  s.form1.Command_Click(1);  // site: a province and one of its cities
  s.form2.Combo1_Click(4);
  s.form2.Combo2_Click(1);
  s.form2.OK_Click();
  s.form1.Command_Click(2);  // soil type 2
  s.form3.Option1_Click(1);
  s.form3.OK_Click();
  s.form1.Command_Click(3);  // importance 1.2
  s.form5.Option1_Click(2);
  s.form5.OK_Click();
  s.form1.Command_Click(4);  // the same system in both directions
  s.form7.Option1_Click(8);
  s.form7.OK_Click();
  s.form1.Command_Click(5);
  s.form7.Option1_Click(8);
  s.form7.OK_Click();

  s.form1.Command_Click(6);  // four stories, 16.5 m
  p.form8.Text[2].text = "4";
  s.form8.Text_LostFocus(2);
  p.form8.Text[3].text = "16.5";
  s.form8.Text_LostFocus(3);
  s.form8.Command2_Click();
  const char* typical[] = {"220", "600", "200", "20", "55", "3", "30", "400", "0", "4.5"};
  const char* roof[] = {"220", "550", "150", "20", "40", "1", "30", "380", "1200", "3"};
  for (int k = 2; k <= 11; ++k) {
    p.form10.Text[k].text = typical[k - 2];
  }
  s.form10.Command5_Click();  // every story but the roof like this one
  for (int k = 2; k <= 11; ++k) {
    p.form10.Text[k].text = roof[k - 2];
  }
  s.form10.OK_Click();
  s.form8.OK_Click();

  s.form1.Command_Click(9);  // the static run
  s.form13.OK_Click();

  s.form1.Command_Click(10);  // torsion data, every story alike
  p.form14.Text[1].text = "24";
  p.form14.Text[2].text = "16";
  p.form14.Text[3].text = "1.2";
  s.form14.Command1_Click();
  s.form15.Command1_Click();
  const char* centres[] = {"12.4", "8.3", "11.6", "7.9", "24", "16", "1", "1"};
  for (int k = 2; k <= 9; ++k) {
    p.form16.Text[k].text = centres[k - 2];
  }
  s.form16.Command4_Click();
  s.form14.OK_Click();
  s.form1.Command_Click(12);  // torsion and overturning
  s.form18.OK_Click();
  s.form1.Command_Click(13);  // recommendations
  s.form21.OK_Click();
  s.form1.Command_Click(15);  // allowable drifts
  s.form22.OK_Click();

  s.form1.Command_Click(16);  // P-Delta: the same drifts in every story
  p.form23.Text[2].text = "1.2";
  p.form23.Text[3].text = "1.1";
  p.form23.Text[4].text = "1.5";
  p.form23.Text[5].text = "1.4";
  s.form23.Command5_Click();
  s.form23.Command4_Click();
  s.form24.OK_Click();

  s.form1.Command_Click(14);  // the design spectrum
  s.form19.OK_Click();
  s.form20.OK_Click();
}

std::optional<std::string> projectPatchInput(std::string_view patch)
{
  static const std::vector<std::string> base = [] {
    SilentPrompter prompter;
    const auto session = std::make_unique<Session>(prompter);
    describeAndRunEverything(*session);
    session->form26.MENSAVEAS_Click();  // records the button states as a save does
    std::vector<std::string> lines = projectFileLines(session->project);
    for (std::string& line : lines) {
      line = toWindows1256(line).value_or("");
    }
    return lines;
  }();
  std::vector<std::string> lines = base;
  std::size_t at = 0;
  while (at < patch.size()) {
    std::size_t end = patch.find('\n', at);
    if (end == std::string_view::npos) {
      end = patch.size();
    }
    const std::string_view entry = patch.substr(at, end - at);
    at = end + 1;
    std::size_t digits = 0;
    std::size_t number = 0;
    while (digits < entry.size() && digits < 6 && entry[digits] >= '0' && entry[digits] <= '9') {
      number = number * 10 + static_cast<std::size_t>(entry[digits] - '0');
      ++digits;
    }
    if (digits == 0 || digits >= entry.size() || entry[digits] != '=' || number == 0) {
      continue;
    }
    lines[(number - 1) % lines.size()] = std::string(entry.substr(digits + 1));
  }
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return projectFileInput(bytes);
}

std::optional<std::string> numberTextInput(std::string_view text)
{
  const NumericPrefix n = numericPrefix(text);
  if (n.length > text.size()) {
    return "the number of " + shown(text) + " ends beyond the text";
  }
  if (!std::isfinite(n.value)) {
    return shown(text) + " reads as a value that is not a finite number";
  }
  if (n.length == 0 && n.value != 0.0) {
    return shown(text) + " holds no number but reads as " + numberText(n.value);
  }
  const double v = numericValue(text);
  if (v != n.value || std::signbit(v) != std::signbit(n.value)) {
    return "the numeric value of " + shown(text) + " differs from its prefix reading";
  }
  const std::string_view prefix = text.substr(0, n.length);
  const NumericPrefix alone = numericPrefix(prefix);
  if (alone.length != n.length || alone.value != n.value) {
    return "the number of " + shown(text) + " reads differently on its own";
  }
  if (n.length > 0) {
    std::size_t blanks = 0;
    while (blanks < prefix.size() && prefix[blanks] == ' ') {
      ++blanks;
    }
    const auto library = libraryValue(prefix.substr(blanks));
    if (library && std::isnormal(*library) && *library != v) {
      return shown(prefix) + " reads as " + numberText(v) + ", the C library reads " +
             numberText(*library);
    }
  }

  // The number written back, in both of the file's forms.
  const std::string p = padded(v);
  if (p.front() != (v < 0 ? '-' : ' ')) {
    return "padded form " + shown(p) + " of " + numberText(v) + " starts wrongly";
  }
  if (auto problem = writtenReadsBack(v, p, "padded")) {
    return problem;
  }
  const std::string q = plain(v);
  if (q.front() == ' ') {
    return "plain form " + shown(q) + " starts with a blank";
  }
  if (auto problem = writtenReadsBack(v, q, "plain")) {
    return problem;
  }

  // The reading rules of the file's lines.
  const int whole = readWholeF(std::string(text));
  if (whole < -32768 || whole > 32767) {
    return shown(text) + " reads as the list position " + std::to_string(whole);
  }
  (void)readFlagD(std::string(text));

  // Rounding to the decimals of the edit boxes and of the results.
  for (int decimals = 0; decimals <= 3; ++decimals) {
    const double r = roundHalfEven(v, decimals);
    const double step = std::pow(10.0, -decimals);
    if (!std::isfinite(r) || std::fabs(r - v) > 0.5 * step + 1e-15 * std::fabs(v)) {
      return numberText(v) + " rounded to " + std::to_string(decimals) + " decimals gives " +
             numberText(r);
    }
  }
  return std::nullopt;
}

std::optional<std::string> pictureInput(std::string_view bytes)
{
  if (bytes.empty()) {
    return std::nullopt;
  }
  // The pictures of the program's numeric boxes, with the decimals each keeps.
  struct Picture {
    std::string_view text;
    int decimals;
  };
  constexpr std::array<Picture, 5> kPictures = {
      {{"##.##", 2}, {"##.#", 1}, {"##", 0}, {"#.##", 2}, {"#.#", 1}}};
  const Picture& pic = kPictures[static_cast<unsigned char>(bytes.front()) % kPictures.size()];
  const std::string_view typed = bytes.substr(1);

  const double v = numericValue(typed);
  const std::string out = picture(v, pic.text);
  const std::string what =
      "box " + std::string(pic.text) + " left with " + shown(typed) + " shows " + shown(out);
  if (out.find_first_not_of("-0123456789.") != std::string::npos) {
    return what + ": not a number text";
  }
  const auto point = out.find('.');
  if ((point != std::string::npos) != (pic.decimals > 0)) {
    return what + ": the point does not follow the picture";
  }
  if (point != std::string::npos && static_cast<int>(out.size() - point - 1) > pic.decimals) {
    return what + ": more decimals than the picture";
  }
  if (out.rfind("0", 0) == 0 || out.rfind("-0", 0) == 0) {
    return what + ": a zero stands before the point";
  }
  const double rounded = roundHalfEven(v, pic.decimals);
  const double back = numericValue(out);
  if (back != rounded) {
    return what + ", which reads " + numberText(back) + ", not the rounded " + numberText(rounded);
  }
  const std::string twice = picture(back, pic.text);
  if (twice != out) {
    return what + ", and " + shown(twice) + " when left again";
  }
  return std::nullopt;
}

}  // namespace vorn::fuzz
