#pragma once

#include "model/project.h"

namespace vorn {

// The one way windows open and close over one another. A dialog (after its def) and a view
// (after its filling routine) are opened over the window that opened them: that window is
// disabled and the new one is shown modeless. Their OK and CANCEL return to the opener: it is
// enabled and shown (brought to the front) and the closing window is hidden. The opened window
// records its opener: on the screen it belongs to that window.
void openOver(Project& project, WindowId opener, WindowId window);
void returnTo(Project& project, WindowId closing, WindowId opener);
// A window shown in the place of another (a story picker in the place of its dialog, the dialog
// back in the place of its picker): the replaced window is hidden, the shown one is enabled and
// belongs to the replaced window's opener, which stays disabled beneath it.
void showInPlaceOf(Project& project, WindowId replaced, WindowId window);

}  // namespace vorn
