#include "windows/torsion/form14_torsion.h"

#include <cmath>
#include <string>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/torsion/form15_story_picker.h"

namespace vorn {

Form14::Form14(Session& session)
    : s_(session),
      boxes_(session.project, session.prompter, WindowId::Form14,
             [&p = session.project](int k) -> TextBox& { return p.form14.Text[k]; })
{
  // A refused box gets back its value from the dialog's opening.
  Form14Controls& f = session.project.form14;
  boxes_.add(1, "#.##", above(0), form14_texts::dimensionLeave, [&f] { return padded(f.def1); })
      .add(2, "#.##", above(0), form14_texts::dimensionLeave, [&f] { return padded(f.def2); })
      .add(3, "#.##", above(0), form14_texts::thicknessLeave, [&f] { return padded(f.def3); });
}

int Form14::storyCount() const
{
  const double n = s_.project.N;
  if (n >= 1 && n <= kMaxStories && std::floor(n) == n) {
    return static_cast<int>(n);
  }
  return 1;
}

bool Form14::regular() const
{
  return s_.project.form8.Check[3].value == 1;
}

void Form14::open()
{
  Project& p = s_.project;
  def();
  openOver(p, WindowId::form1, WindowId::Form14);
  const bool irregular = !regular();
  p.window(WindowId::Form14).heightTwips =
      irregular ? kForm14IrregularHeightTwips : kForm14RegularHeightTwips;
  p.form14.Label2.visible = irregular;
  p.form14.Option1[0].visible = irregular;
  p.form14.Option1[1].visible = irregular;
}

void Form14::def()
{
  Project& p = s_.project;
  Form14Controls& f = p.form14;
  f.def1 = boxes_.value(1);
  f.def2 = boxes_.value(2);
  f.def3 = boxes_.value(3);
  f.defOption = f.Option1[1].value ? 1 : 0;
  f.defCommand12 = mainCommandEnabled(p, MainCommand::TorsionRun);
  p.snapshotTorsion();
}

void Form14::candef()
{
  Project& p = s_.project;
  Form14Controls& f = p.form14;
  f.Text[1].text = padded(f.def1);
  f.Text[2].text = padded(f.def2);
  f.Text[3].text = padded(f.def3);
  Option1_Click(f.defOption);
  p.restoreTorsion();
  // The copy to every story of the per-story window opens the torsion run; with the stories'
  // centres taken back, the run is available again only if it was before.
  setMainCommandEnabled(p, MainCommand::TorsionRun, f.defCommand12);
}

void Form14::err()
{
  Project& p = s_.project;
  int firstRefused = 0;
  for (int k = 3; k >= 1; --k) {
    if (!(boxes_.value(k) > 0)) {
      firstRefused = k;
    }
  }
  if (firstRefused != 0) {
    boxes_.check(false, firstRefused, form14_texts::sizesPositive, errore);
    return;
  }
  p.FDIMx = boxes_.value(1);
  p.FDIMy = boxes_.value(2);
  p.FTHK = boxes_.value(3);
}

void Form14::Option1_Click(int index)
{
  Form14Controls& f = s_.project.form14;
  if (index != 0 && index != 1) {
    return;
  }
  f.Option1[index].value = true;
  f.Option1[1 - index].value = false;
}

void Form14::Command1_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  s_.form15.openFromTorsionData();
  const bool typed = p.form14.Option1[0].value && !regular();
  p.form16.Text[8].enabled = typed;
  p.form16.Text[9].enabled = typed;
  p.form16.Command[4].enabled = storyCount() != 1;
}

void Form14::OK_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  for (int k = 1; k <= storyCount(); ++k) {
    if (!p.CMSET[k]) {
      s_.prompter.message(std::string(form14_texts::storyMissingBefore) +
                              padded(static_cast<double>(k)) + form14_texts::storyMissingAfter,
                          kValidationTitle);
      return;
    }
  }
  returnTo(p, WindowId::Form14, WindowId::form1);
  enableMainCommand(p, MainCommand::TorsionSummary);
  enableMainCommand(p, MainCommand::TorsionRun);
  offerReportTable(p, ReportTable::TorsionInput);
}

void Form14::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form14, WindowId::form1);
}

}  // namespace vorn
