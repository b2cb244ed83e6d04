#pragma once

#include <string>
#include <vector>

#include "model/project.h"

namespace vorn {

// What reading a project file sets off: restoring a control's value does what the user's change
// of it would do, at that moment of the reading. The file dialog passes the windows' handlers.
class ReadEvents {
public:
  virtual ~ReadEvents() = default;
  // Value of the main window's reset check box, when the file changes it.
  virtual void check11Changed(int value) = 0;
  // The site dialog's option buttons, when the file selects one of them.
  virtual void siteOption1Selected() = 0;
  virtual void siteOption2Selected() = 0;
  // The site dialog's lists, after the file set a position.
  virtual void provinceChosen() = 0;
  virtual void cityChosen() = 0;
  virtual void directAChosen() = 0;
  // The structure dialog's empirical-period box, when the file changes it.
  virtual void structureCheck4Changed() = 0;
  // The torsion dialog's option pair, when the file selects one of them.
  virtual void torsionOptionSelected(int index) = 0;
  // The report dialog's "print to text file" box, when the file changes it.
  virtual void reportCheck11Changed() = 0;
};

// Applies checked lines (see readProjectFile) to the project in file order, running the events.
// The lines must have passed checkProjectLines.
void applyProjectLines(Project& project, const std::vector<std::string>& lines, ReadEvents& events);

}  // namespace vorn
