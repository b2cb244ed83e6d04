#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/project.h"

namespace vorn {

// The lines of the project file for the project as it stands (UTF-8, no line ends).
std::vector<std::string> projectFileLines(const Project& project);

// Writes the project file: Windows-1256, CR LF after every line. The file is written beside the
// target under a temporary name and renamed over it only when complete, so a failed save leaves
// any earlier file whole. Gives the message to show when the file could not be written.
std::optional<std::string> writeProjectFile(const Project& project, const std::string& path);

// A project file read and checked as a whole before anything of it is used.
struct ProjectFileRead {
  std::vector<std::string> lines;  // UTF-8, exactly kProjectFileLines of them when ok
  std::string error;               // the message to show when the file is refused
  bool missing = false;            // no file of that name exists (the error says so too)
  bool ok() const { return error.empty(); }
};
// Reads the file through its links; no more than the largest size a project file can have is
// read, whatever size the file system reports. A file that cannot be read is refused with the
// system's reason.
ProjectFileRead readProjectFile(const std::string& path);

// The checks of readProjectFile on the bytes of a whole file, wherever they came from: no
// control characters, split into lines (CR LF, LF or a lone CR), Windows-1256 turned into UTF-8,
// then checkProjectLines. On refusal `error` holds the problem alone, without the file's name.
ProjectFileRead checkProjectBytes(std::string_view bytes);

// Checks lines that claim to be a project file: their count and every line that must hold a
// truth word or a number. Gives the problem, or nothing when the lines can be read.
std::optional<std::string> checkProjectLines(const std::vector<std::string>& lines);

// A line as a message quotes it: at most about 80 characters, an ellipsis for the rest.
std::string lineExcerpt(const std::string& line);

// Reading rules of single lines.
bool readFlagA(const std::string& line);  // exactly " True"
bool readFlagB(const std::string& line);  // exactly "True"
int readCheckC(const std::string& line);  // 1 exactly for " 1"
// A truth word in any case or a number; nothing when the line is neither.
std::optional<bool> readFlagD(const std::string& line);
int readWholeF(const std::string& line);  // numeric value rounded half to even

}  // namespace vorn
