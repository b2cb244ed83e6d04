#include "windows/structure/form8_structure.h"

#include <cmath>
#include <string>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/structure/form10_stories.h"
#include "windows/structure/form11_story_picker.h"

namespace vorn {

namespace {

// Story heights are typed with two decimals at most: the building height may differ from their
// sum by a centimetre; the small margin keeps a difference of exactly 0.01 m on the accepted side
// whatever the binary rounding of the sum.
constexpr double kHeightTolerance = 0.01;
constexpr double kRoundingMargin = 1e-9;

bool whole(double v)
{
  return std::floor(v) == v;
}

}  // namespace

Form8::Form8(Session& session)
    : s_(session),
      boxes_(session.project, session.prompter, WindowId::Form8,
             [&p = session.project](int k) -> TextBox& { return p.form8.Text[k]; })
{
  Project& p = session.project;
  boxes_.add(1, "##.##", above(0), form8_texts::periodLeave, [&p] { return p.form8.def5; })
      .add(2, "##", above(0), form8_texts::storyCountLeave, [&p] { return p.form8.DEF6; })
      .add(3, "##.##", above(0), form8_texts::heightLeave, [&p] { return p.form8.DEF7; });
}

void Form8::open()
{
  def();
  openOver(s_.project, WindowId::form1, WindowId::Form8);
}

void Form8::def()
{
  Project& p = s_.project;
  Form8Controls& f = p.form8;
  for (int k = 1; k <= 4; ++k) {
    f.def[k] = f.Check[k].value == 1;
  }
  f.def5 = f.Text[1].text;
  f.DEF6 = f.Text[2].text;
  f.DEF7 = f.Text[3].text;
  f.defN = p.N;
  f.defH1 = p.H1;
  f.defT = p.T;
  p.snapshotStories();
}

void Form8::candef()
{
  Project& p = s_.project;
  Form8Controls& f = p.form8;
  for (int k = 1; k <= 4; ++k) {
    f.Check[k].value = f.def[k] ? 1 : 0;
  }
  Check4_Click();
  f.Text[1].text = f.def5;
  f.Text[2].text = f.DEF6;
  f.Text[3].text = f.DEF7;
  // The values typed since the dialog opened go with their texts: a cancelled story count or
  // height must not outlive the cancelled story table.
  p.N = f.defN;
  p.H1 = f.defH1;
  p.T = f.defT;
  p.restoreStories();
  for (int k = 2; k <= 11; ++k) {
    p.form10.Text[k].text = form10_texts::defaultTexts.at(static_cast<std::size_t>(k - 2));
  }
  bool anyEntered = false;
  for (int s = 1; s <= kMaxStories; ++s) {
    anyEntered = anyEntered || p.STORYSET[s];
  }
  setStoryEntryEnabled(p, !anyEntered);
  setStoryEditingEnabled(p, anyEntered);
}

void Form8::err()
{
  Project& p = s_.project;
  p.T = boxes_.value(1);
  boxes_.check(p.T > 0, 1, form8_texts::periodError, errore);
  p.N = boxes_.value(2);
  if (boxes_.check(p.N > 0 && whole(p.N), 2, form8_texts::storyCountError, errore)) {
    boxes_.check(p.N <= kMaxStories, 2, form8_texts::storyCountLimit, errore);
  }
  p.H1 = boxes_.value(3);
  boxes_.check(p.H1 > 0, 3, form8_texts::heightError, errore);
}

void Form8::Check_Click(int k, int value)
{
  s_.project.form8.Check[k].value = value;
  if (k == 4) {
    Check4_Click();
  }
}

void Form8::Check4_Click()
{
  Form8Controls& f = s_.project.form8;
  f.Text[1].enabled = f.Check[4].value != 1;
}

void Form8::Command1_Click()
{
  openOver(s_.project, WindowId::Form8, WindowId::Form9);
}

void Form8::Command2_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  s_.form10.openForFirstEntry();
}

void Form8::Command3_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  s_.project.N = boxes_.value(2);
  s_.form11.openFromStructure();
  s_.form10.setCopyButtonsAndNote();
}

void Form8::OK_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  const int n = static_cast<int>(p.N);
  bool missing = false;
  for (int k = 1; k <= n; ++k) {
    if (!p.STORYSET[k]) {
      s_.prompter.message(std::string(form8_texts::storyMissingBefore) +
                              padded(static_cast<double>(k)) + form8_texts::storyMissingAfter,
                          kValidationTitle);
      missing = true;
    }
  }
  if (missing) {
    return;
  }
  double sum = 0;
  for (int k = 1; k <= n; ++k) {
    sum += p.HS[k];
  }
  if (std::fabs(p.H1 - sum) > kHeightTolerance + kRoundingMargin) {
    s_.prompter.message(form8_texts::heightMismatch, kValidationTitle);
    return;
  }

  returnTo(p, WindowId::Form8, WindowId::form1);
  Form8Controls& f = p.form8;
  p.Form8State[1] = f.Check[1].enabled;
  p.Form8State[2] = f.Check[2].enabled;
  p.Form8State[3] = f.Text[1].enabled;
  enableMainCommand(p, MainCommand::InputSummary);
  enableMainCommand(p, MainCommand::StaticRun);
  setStoryEntryEnabled(p, false);
  setStoryEditingEnabled(p, true);
  offerReportTable(p, ReportTable::StoryLoads);
  if (f.Check[3].value == 1) {
    for (int s = 1; s <= kMaxStories; ++s) {
      p.Ajx[s] = 1;
      p.Ajy[s] = 1;
    }
  }
}

void Form8::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form8, WindowId::form1);
}

}  // namespace vorn
