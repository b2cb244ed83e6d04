#pragma once

#include <functional>
#include <vector>

#include "note/note_style.h"
#include "windows/report/note_document.h"

class QPainter;

namespace vorn {

// A stretch of the note's body, as wide as the body: a heading, a fact, a paragraph, a table's
// row, a plot. Pieces follow one another down the pages; none is split.
struct NotePiece {
  double height = 0;
  double spaceBefore = 0;     // left out at the top of a page
  bool keepWithNext = false;  // a heading, kept on the page of what follows it
  int table = -1;             // a row of this table: its header row stands above it on a page
  std::function<void(QPainter&, double top)> draw;
};

// Where a piece stands: its page and its top below the body's top.
struct NotePlacement {
  const NotePiece* piece = nullptr;
  double top = 0;
};

struct NoteLayout {
  std::vector<NotePiece> pieces;
  std::vector<NotePiece> tableHeaders;  // the header row of each table, by NotePiece::table
  std::vector<std::vector<NotePlacement>> pages;
};

// The note's body as pieces in the width: the title block, then each section's heading, its stop
// message in a frame, or its facts, its derivation, its lines, its tables and its plots.
NoteLayout layOutNote(const NoteDocument& note, const NoteStyle& style, double width);

// Puts the pieces on pages of the body's height: a piece that does not fit on the page begins
// the next one, a heading goes with what follows it, and a table's header row stands above its
// first row on every page the table reaches.
void paginate(NoteLayout& layout, double bodyHeight);

}  // namespace vorn
