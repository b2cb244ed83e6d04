#include "fileformat/project_file_reader.h"

#include "fileformat/project_file.h"
#include "fileformat/project_file_layout.h"
#include "model/number_text.h"

namespace vorn {

namespace {

// Line numbers whose reading sets off an event or needs the lines before it.
constexpr int kCheck11Line = 18;
constexpr int kOption1Line = 19;
constexpr int kOption2Line = 20;
constexpr int kProvinceLine = 21;
constexpr int kCityLine = 22;
constexpr int kDirectALine = 23;
constexpr int kForm8StateLast = 41;
constexpr int kCheck4Line = 45;
constexpr int kTorsionOption0Line = 67;
constexpr int kTorsionOption1Line = 68;
constexpr int kReportCheck11Line = kLeadingLines + kMaxStories * kStoryBlockLines + 51;
constexpr int kButtonStateLast = 17;

class Reader : public LayoutVisitor {
public:
  Reader(Project& p, const std::vector<std::string>& lines, ReadEvents& events)
      : p_(p), lines_(lines), events_(events)
  {
  }

  void paddedFlagA(bool& v) override
  {
    const bool old = v;
    v = readFlagA(next());
    after(old != v);
  }
  void paddedFlagD(bool& v) override { flagD(v); }
  void plainFlagB(bool& v) override
  {
    const bool old = v;
    v = readFlagB(next());
    after(old != v);
  }
  void plainFlagD(bool& v) override { flagD(v); }
  void paddedNumberE(double& v) override
  {
    v = numericValue(next());
    after(false);
  }
  void plainNumberE(double& v) override { paddedNumberE(v); }
  void flagAsNumberE(bool& v) override
  {
    v = numericValue(next()) != 0.0;
    after(false);
  }
  void paddedCheckF(int& v) override
  {
    const int old = v;
    v = readWholeF(next());
    after(old != v);
  }
  void paddedCheckC(int& v) override
  {
    const int old = v;
    v = readCheckC(next());
    after(old != v);
  }
  void plainIndexF(std::int16_t& v) override
  {
    const std::string& line = next();
    const bool byCity = p_.form2.Option1.value;
    const bool used = (line_ == kDirectALine) != byCity;
    if (used) {
      v = static_cast<std::int16_t>(readWholeF(line));
    }
    if (line_ == kProvinceLine && !byCity) {
      p_.form2.Combo1.enabled = false;
      p_.form2.Combo2.enabled = false;
    }
    if (line_ == kDirectALine && byCity) {
      p_.form2.Combo3.enabled = false;
    }
    if (used) {
      after(true);
    }
  }
  void text(std::string& v) override
  {
    v = next();
    after(false);
  }
  void textAsNumber(std::string& v) override { text(v); }

private:
  const std::string& next() { return lines_.at(static_cast<std::size_t>(line_++)); }

  void flagD(bool& v)
  {
    const bool old = v;
    v = readFlagD(next()).value_or(false);
    after(old != v);
  }

  // Runs what the line just read sets off; `changed` tells whether its control's value changed.
  void after(bool changed)
  {
    const int line = line_;  // the line just read, counted from 1
    if (line == kButtonStateLast) {
      for (int k = 1; k <= 16; ++k) {
        p_.form1.Command[k].enabled = p_.ButtonState[k];
      }
      p_.form1.Check11.enabled = p_.ButtonState[17];
    } else if (line == kCheck11Line && changed) {
      events_.check11Changed(p_.form1.Check11.value);
    } else if (line == kOption1Line && changed && p_.form2.Option1.value) {
      events_.siteOption1Selected();
    } else if (line == kOption2Line && changed && p_.form2.Option2.value) {
      events_.siteOption2Selected();
    } else if (line == kProvinceLine && changed) {
      events_.provinceChosen();
    } else if (line == kCityLine && changed) {
      events_.cityChosen();
    } else if (line == kDirectALine && changed) {
      events_.directAChosen();
    } else if (line == kForm8StateLast) {
      p_.form8.Check[1].enabled = p_.Form8State[1];
      p_.form8.Check[2].enabled = p_.Form8State[2];
      p_.form8.Text[1].enabled = p_.Form8State[3];
    } else if (line == kCheck4Line && changed) {
      events_.structureCheck4Changed();
    } else if ((line == kTorsionOption0Line || line == kTorsionOption1Line) && changed &&
               p_.form14.Option1[line - kTorsionOption0Line].value) {
      events_.torsionOptionSelected(line - kTorsionOption0Line);
    } else if (line == kReportCheck11Line && changed) {
      events_.reportCheck11Changed();
    }
  }

  Project& p_;
  const std::vector<std::string>& lines_;
  ReadEvents& events_;
  int line_ = 0;
};

}  // namespace

void applyProjectLines(Project& project, const std::vector<std::string>& lines, ReadEvents& events)
{
  Reader reader(project, lines, events);
  visitLayout(project, reader);
}

}  // namespace vorn
