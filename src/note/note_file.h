#pragma once

#include <optional>
#include <string>

#include "windows/report/note_document.h"

namespace vorn {

// Writes the note as a PDF file at `path`, replacing a file there only once the new one is
// complete (the rules of replaceFile); gives the reason when it was not written. Needs a Qt
// application, as the note's painting does.
std::optional<std::string> writeNotePdf(const NoteDocument& note, const std::string& path);

}  // namespace vorn
