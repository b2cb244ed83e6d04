#include "windows/main/form1_main.h"

#include "model/enabling.h"
#include "session/session.h"
#include "windows/about/frmabout.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/site/form2_site.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/site/form7_systems.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/static/run1_static.h"
#include "windows/static/run3_recommendations.h"
#include "windows/static/run7_allowable_drifts.h"
#include "windows/structure/form12_input_summary.h"
#include "windows/structure/form8_structure.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form17_torsion_summary.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn {

void Form1::Command_Click(int k)
{
  // A number outside 1 … 16 throws here, as the button array does for it.
  (void)s_.project.form1.Command[k];
  switch (static_cast<MainCommand>(k)) {
    case MainCommand::Site:  // Command1: the site dialog Form2
      s_.form2.open();
      break;
    case MainCommand::Soil:  // Command2: the soil dialog Form3
      s_.form3.open();
      break;
    case MainCommand::Importance:  // Command3: the importance dialog Form5
      s_.form5.open();
      break;
    case MainCommand::SystemX:  // Command4: the resisting system dialog Form7 for x
      s_.form7.showForX();
      break;
    case MainCommand::SystemY:  // Command5: the resisting system dialog Form7 for y
      s_.form7.showForY();
      break;
    case MainCommand::Structure:  // Command6: the structure general data dialog Form8
      s_.form8.open();
      break;
    case MainCommand::About:  // Command7: the About box
      s_.frmAbout.show();
      break;
    case MainCommand::InputSummary:  // Command8: the input summary Form12, filled and shown
      s_.form12.fill();
      break;
    case MainCommand::StaticRun:  // Command9: RUN1, the static run, then its results window Form13
      RUN1(s_);
      break;
    case MainCommand::TorsionInput:  // Command10: the torsion and overturning dialog Form14
      s_.form14.open();
      break;
    case MainCommand::TorsionSummary:  // Command11: the torsion input summary Form17
      s_.form17.fill();
      break;
    case MainCommand::TorsionRun:  // Command12: RUN2, torsion and overturning, then Form18
      RUN2(s_);
      break;
    case MainCommand::Recommendations:  // Command13: RUN3, the design recommendations in Form21
      RUN3(s_);
      break;
    case MainCommand::Spectrum:  // Command14: RUN4, the design spectrum dialog Form19
      RUN4(s_);
      break;
    case MainCommand::AllowableDrifts:  // Command15: RUN7, the allowable drifts in Form22
      RUN7(s_);
      break;
    case MainCommand::PDelta:  // Command16: run8, the P-Delta dialog Form23
      run8(s_);
      break;
  }
}

bool Form1::Form_QueryUnload()
{
  ed();
  return s_.exitRequested;
}

void Form1::NW()
{
  if (!s_.prompter.askYesNo(form1_texts::newQuestion, form1_texts::newTitle)) {
    return;
  }
  Project& p = s_.project;
  Form1Controls& f = p.form1;
  setInputStepsEnabled(p, true);
  disableMainCommands(
      p, {MainCommand::InputSummary, MainCommand::StaticRun, MainCommand::TorsionInput,
          MainCommand::TorsionSummary, MainCommand::TorsionRun, MainCommand::Recommendations});
  enableMainCommand(p, MainCommand::Spectrum);
  disableMainCommands(p, {MainCommand::AllowableDrifts, MainCommand::PDelta});
  f.NEW.enabled = true;
  f.END.enabled = true;
  f.Check11.enabled = false;
  p.resetToNew();
}

void Form1::ed()
{
  if (s_.prompter.askYesNo(form1_texts::exitQuestion, form1_texts::exitTitle)) {
    s_.exitRequested = true;
  }
}

void Form1::Check11_Click(int value)
{
  Project& p = s_.project;
  p.form1.Check11.value = value;
  if (value != 1) {
    return;
  }
  if (!s_.prompter.askOkCancel(form1_texts::resetQuestion, form1_texts::resetTitle)) {
    p.form1.Check11.value = 0;
    return;
  }
  p.form1.Check11.enabled = false;
  setInputStepsEnabled(p, true);
  disableMainCommands(
      p, {MainCommand::TorsionInput, MainCommand::TorsionSummary, MainCommand::TorsionRun,
          MainCommand::Recommendations, MainCommand::AllowableDrifts, MainCommand::PDelta});
  // The results stay stored, but their report tables are withdrawn until a run offers them again.
  for (ReportTable t :
       {ReportTable::StaticShears, ReportTable::TorsionResults, ReportTable::Recommendations,
        ReportTable::Spectrum, ReportTable::AllowableDrifts, ReportTable::PDelta}) {
    withdrawReportTable(p, t);
  }
}

void Form1::lockInputsAfterRun()
{
  Project& p = s_.project;
  enableMainCommands(
      p, {MainCommand::Recommendations, MainCommand::AllowableDrifts, MainCommand::PDelta});
  p.form1.Check11.value = 0;
  p.form1.Check11.enabled = true;
  setInputStepsEnabled(p, false);
}

}  // namespace vorn
