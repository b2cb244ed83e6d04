#pragma once

#include <initializer_list>

#include "model/project.h"

namespace vorn {

// The sixteen workflow buttons of the main window; each value is the button's number
// (`MainCommand::TorsionRun` is `Command12`).
enum class MainCommand {
  Site = 1,              // Command1: the site and seismic zone dialog Form2
  Soil = 2,              // Command2: the soil type dialog Form3
  Importance = 3,        // Command3: the importance dialog Form5
  SystemX = 4,           // Command4: the resisting system dialog Form7 for x
  SystemY = 5,           // Command5: the resisting system dialog Form7 for y
  Structure = 6,         // Command6: the structure general data dialog Form8
  About = 7,             // Command7: the About box
  InputSummary = 8,      // Command8: the input summary view Form12
  StaticRun = 9,         // Command9: RUN1, the equivalent static run, and its window Form13
  TorsionInput = 10,     // Command10: the torsion and overturning input dialog Form14
  TorsionSummary = 11,   // Command11: the torsion input summary view Form17
  TorsionRun = 12,       // Command12: RUN2, torsion and overturning, and its window Form18
  Recommendations = 13,  // Command13: RUN3, the design recommendations window Form21
  Spectrum = 14,         // Command14: RUN4, the design spectrum dialog Form19
  AllowableDrifts = 15,  // Command15: RUN7, the allowable story drifts window Form22
  PDelta = 16,           // Command16: run8, the P-Delta dialog Form23
};

// The ten tables of the report dialog Form27; each value is the number of its check box
// (`ReportTable::StaticShears` is `Check5`). Tables 1 to 4 are input, 5 to 10 results.
enum class ReportTable {
  GeneralData = 1,         // general data of the structure
  StoryLoads = 2,          // loads and dimensions of the stories
  TorsionInput = 3,        // input for torsion and overturning
  StoryDisplacements = 4,  // the story drifts typed for the P-Delta check
  StaticShears = 5,        // story shears by the equivalent static method
  TorsionResults = 6,      // torsion and overturning computations
  Recommendations = 7,     // design recommendations
  Spectrum = 8,            // the design spectrum for dynamic analysis
  AllowableDrifts = 9,     // allowable story drifts
  PDelta = 10,             // P-Delta computations
};

inline bool mainCommandEnabled(const Project& p, MainCommand c)
{
  return p.form1.Command[static_cast<int>(c)].enabled;
}

inline void setMainCommandEnabled(Project& p, MainCommand c, bool enabled)
{
  p.form1.Command[static_cast<int>(c)].enabled = enabled;
}

inline void enableMainCommand(Project& p, MainCommand c)
{
  setMainCommandEnabled(p, c, true);
}
inline void disableMainCommand(Project& p, MainCommand c)
{
  setMainCommandEnabled(p, c, false);
}

inline void enableMainCommands(Project& p, std::initializer_list<MainCommand> commands)
{
  for (MainCommand c : commands) {
    enableMainCommand(p, c);
  }
}

inline void disableMainCommands(Project& p, std::initializer_list<MainCommand> commands)
{
  for (MainCommand c : commands) {
    disableMainCommand(p, c);
  }
}

// The six input steps (Command1 … Command6), open until a run locks them.
inline void setInputStepsEnabled(Project& p, bool enabled)
{
  for (int k = static_cast<int>(MainCommand::Site); k <= static_cast<int>(MainCommand::Structure);
       ++k) {
    p.form1.Command[k].enabled = enabled;
  }
}

// A table can be chosen in the report dialog once its data exist.
inline void offerReportTable(Project& p, ReportTable t)
{
  p.form27.Check[static_cast<int>(t)].enabled = true;
}

inline void withdrawReportTable(Project& p, ReportTable t)
{
  p.form27.Check[static_cast<int>(t)].enabled = false;
}

// The structure dialog's two story buttons: Command2 enters the stories the first time,
// Command3 edits them once they have been entered.
inline void setStoryEntryEnabled(Project& p, bool enabled)
{
  p.form8.Command[2].enabled = enabled;
}
inline void setStoryEditingEnabled(Project& p, bool enabled)
{
  p.form8.Command[3].enabled = enabled;
}

}  // namespace vorn
