#pragma once

#include <string>

namespace vorn {

class Session;

// Opens the project file the program was started with (a project double-clicked in the file
// manager) as the Open command opens it: a missing or refused file is reported through the
// prompter and leaves the new project as it was. On success the file dialog is left on the
// file's folder and name, so that Save writes the file back without asking; for a name that
// does not end in ".EQ", which Save would not write back to, the project is left without a file
// and the first Save shows the dialog. Returns whether the project was opened.
bool openProjectAtStart(Session& session, const std::string& path);

}  // namespace vorn
