#include "note/calculation_note.h"

namespace vorn {

NotePdf calculationNotePdf(const NoteDocument&)
{
  return {{}, "not built yet"};
}

void paintCalculationNote(const NoteDocument&, QPagedPaintDevice&) {}

}  // namespace vorn
