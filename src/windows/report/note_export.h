#pragma once

#include <functional>
#include <optional>
#include <string>

#include "windows/report/note_document.h"

namespace vorn {

class Session;

// Writes a note or a workbook of the note to a path; gives the reason (the system's or the
// library's) when it was not written.
// The calculation note and the workbook live in libraries of their own; the programs hand them in.
using NoteWriter =
    std::function<std::optional<std::string>(const NoteDocument&, const std::string&)>;

// Why a note or a workbook may not go to `path`: an empty name, the project file itself (by any
// name or link), anything that is not a regular file (a folder, a device, a pipe). The rest of
// the saving rules (write-protected files, other hard links, links that point nowhere) are the
// replacing's own. The message names the file as the report's messages do.
std::optional<std::string> exportTargetProblem(const std::string& path,
                                               const std::string& projectPath);

// Writes the bytes of a note to `path` by the replacing's rules, after the checks above.
std::optional<std::string> writeExportFile(const std::string& path, const std::string& projectPath,
                                           const std::string& bytes);

// The message of a note or a workbook that was not written, as the report's messages put it.
std::string exportFailure(const std::string& path, const std::string& reason);

// The title block of a project file's note: the file's name without its folder and today's date.
NoteTitle noteTitleFor(const std::string& projectPath);

// The file the session's project was saved to or opened from, or the empty text for a project
// that has none yet.
std::string projectPathOf(Session& session);

// The FILE menu's calculation note and workbook: the note of the tables the report dialog has
// ticked, with the title block's typed fields, written to `path` by `writer`. A refusal or a
// failure is shown in a message box and gives false; the project is never changed.
bool exportNote(Session& session, const NoteTitle& typed, const std::string& path,
                const NoteWriter& writer);

}  // namespace vorn
