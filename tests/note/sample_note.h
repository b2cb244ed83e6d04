#pragma once

#include <array>
#include <string>

#include "windows/report/note_document.h"

namespace vorn::test {

// The words that tell the wide table's twelve value columns apart, one in each heading.
extern const std::array<std::string, 12> kOrdinals;

// A note built by hand: the title block's fields, facts, the static run's steps, list lines, a
// table of `stories` rows whose cells are unique numbers, a 13-column table of as many rows, a
// stopped section and the plots of both kinds.
NoteDocument sampleNote(int stories);

}  // namespace vorn::test
