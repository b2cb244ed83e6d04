#pragma once

#include "model/project.h"

namespace vorn {

// The one way windows open and close over one another. A dialog (after its def) and a view
// (after its filling routine) are opened over the window that opened them: that window is
// disabled and the new one is shown modeless. Their OK and CANCEL return to the opener: it is
// enabled and shown (brought to the front) and the closing window is hidden.
void openOver(Project& project, WindowId opener, WindowId window);
void returnTo(Project& project, WindowId closing, WindowId opener);

}  // namespace vorn
