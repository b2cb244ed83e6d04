#pragma once

namespace vorn {
class Session;
}

namespace vorn::test {

// The main window's buttons for tests that only need to press them: compiled once here, so that
// a change to the main window's header recompiles the tests of the main window alone.

// Presses workflow button k (1 … 16), as a click on it does.
void clickMainCommand(Session& session, int k);
// NEW of the main window: asks whether to start a new project (the test's prompter answers).
void newProject(Session& session);
// Leaves the main window as the end of a static run does: inputs locked, the next steps open.
void lockInputsAfterRun(Session& session);

}  // namespace vorn::test
