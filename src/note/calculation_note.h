#pragma once

#include <string>

#include "windows/report/note_document.h"

class QPagedPaintDevice;

namespace vorn {

// The calculation note as the bytes of a PDF file: A4 pages, Persian right to left, the title
// block, a running header and "page n of m" on every page, the sections' tables with their header
// row repeated on every page they span, the plots as vector graphics. The text stays text (fonts
// embedded). Needs a Qt application (the offscreen platform will do). Gives the reason in `error`
// when no PDF could be made.
struct NotePdf {
  std::string bytes;
  std::string error;
};
NotePdf calculationNotePdf(const NoteDocument& note);

// Paints the note on the pages of a printer or of the print preview.
void paintCalculationNote(const NoteDocument& note, QPagedPaintDevice& device);

}  // namespace vorn
