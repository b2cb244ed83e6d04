#pragma once

#include <string>

namespace vorn {
class Session;
}

namespace vorn::test {

// The buttons of the main window and of a few dialogs, for tests that only need to press them:
// compiled once here, so that a change to one window's header recompiles that window's own tests
// and not every test that passes through it.

// Presses workflow button k (1 … 16), as a click on it does.
void clickMainCommand(Session& session, int k);
// NEW of the main window: asks whether to start a new project (the test's prompter answers).
void newProject(Session& session);
// Leaves the main window as the end of a static run does: inputs locked, the next steps open.
void lockInputsAfterRun(Session& session);

// The P-Delta dialog's results button: the stability check of every story.
void runPDeltaCheck(Session& session);
// The spectrum dialog's table of the design spectrum (its OK).
void runSpectrumTable(Session& session);
// The file dialog: Open, the file name typed, OK.
void openProjectNamed(Session& session, const std::string& name);
// The file dialog: Save As, the folder chosen, the file name typed, OK.
void saveProjectAs(Session& session, const std::string& folder, const std::string& name);

}  // namespace vorn::test
