#pragma once

#include <optional>
#include <string>

#include "windows/report/note_document.h"

namespace vorn {

// Writes the workbook of the note's tables to `path`: a sheet of the inputs (the facts of the
// sections) and one sheet per table, right to left, header row and key column frozen, numbers as
// numeric cells. The file is written beside the target under a temporary name and renamed over it
// only once complete, with the rules of replaceFile. Gives the reason when it was not written.
std::optional<std::string> writeWorkbook(const NoteDocument& note, const std::string& path);

}  // namespace vorn
