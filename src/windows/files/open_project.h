#pragma once

#include <string>
#include <vector>

namespace vorn {

class Session;

// Opens a project from checked file lines (see readProjectFile): restores every stored value in
// file order, running the windows' handlers that the restored values set off, then repeats each
// computation whose inputs are complete, hides every window but the main one, and gives a regular
// building its amplification factors of 1. The project counts as having a file afterwards.
void openProjectLines(Session& session, const std::vector<std::string>& lines);

}  // namespace vorn
