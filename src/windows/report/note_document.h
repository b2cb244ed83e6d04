#pragma once

#include <string>
#include <vector>

#include "model/project.h"
#include "windows/common/plot_data.h"

namespace vorn {

// The new texts of the calculation note and the workbook; every other text they show is the
// program's own caption, header or label.
namespace note_texts {
// The title block.
inline constexpr const char* code = "آيين نامه طراحي ساختمانها در برابر زلزله - استاندارد 2800";
inline constexpr const char* edition = "ويرايش سوم";
inline constexpr const char* noteTitle = "يادداشت محاسبات بارهاي زلزله";
inline constexpr const char* projectFile = "فايل پروژه:";
inline constexpr const char* date = "تاريخ:";
inline constexpr const char* program = "برنامه:";
inline constexpr const char* projectTitle = "عنوان پروژه:";
inline constexpr const char* engineer = "مهندس محاسب:";
inline constexpr const char* organisation = "سازمان يا دفتر:";
// "صفحه n از m" on every page.
inline constexpr const char* pageBefore = "صفحه ";
inline constexpr const char* pageOf = " از ";
// The static run's derivation.
inline constexpr const char* derivationHeading = "نحوه محاسبه";
inline constexpr const char* directionX = "جهت افقي (x)";
inline constexpr const char* directionY = "جهت عمودي (y)";
// The PDF writer could not paint the note (the reason of a note not written).
inline constexpr const char* notPainted = "يادداشت محاسبات در فايل PDF ترسيم نشد";
// A ticked table whose data the project does not hold and no run explains.
inline constexpr const char* notAvailable = "اطلاعات اين جدول در پروژه موجود نيست";
// The sheet of the workbook's inputs, and the sheets of the tables whose captions are longer than
// a sheet's name may be.
inline constexpr const char* inputsSheet = "اطلاعات ورودي";
inline constexpr const char* torsionInputSheet = "ورودي پيچش و واژگوني";
inline constexpr const char* staticSheet = "برش طبقات روش استاتيکي معادل";
inline constexpr const char* spectrumSheet = "طيف طرح استاندارد";
// The main window's FILE menu items, after PRINT, and the dialog of the note's title block.
inline constexpr const char* menuNote = "&CALCULATION NOTE (PDF)...";
inline constexpr const char* menuWorkbook = "&WORKBOOK (XLSX)...";
inline constexpr const char* noteDialogCaption = "CALCULATION NOTE (PDF)";
inline constexpr const char* preview = "PREVIEW";
inline constexpr const char* save = "SAVE";
inline constexpr const char* cancel = "CANCEL";
inline constexpr const char* noteSaveTitle = "select *.pdf file for save";
inline constexpr const char* noteSaveFilter = "PDF file(*.pdf)|*.pdf";
inline constexpr const char* noteSuffix = "pdf";
inline constexpr const char* workbookSaveTitle = "select *.xlsx file for save";
inline constexpr const char* workbookSaveFilter = "Excel workbook(*.xlsx)|*.xlsx";
inline constexpr const char* workbookSuffix = "xlsx";
}  // namespace note_texts

// A column of a note's table: its header as the window shows it, and its unit ("kg", "m", "cm",
// "kg·m", "s"; empty for a count or a ratio).
struct NoteColumn {
  std::string heading;
  std::string unit;
  friend bool operator==(const NoteColumn&, const NoteColumn&) = default;
};

// A table as a result window shows it: a header row and one row per story (or period); every
// cell is the text the window shows, numbers as the program writes them (" .35", "-1.5").
struct NoteTable {
  std::string title;  // what the table is, above it
  std::string sheet;  // the workbook's sheet name: at most 31 characters, unique in the note
  std::vector<NoteColumn> columns;
  std::vector<std::vector<std::string>> rows;  // each row as many cells as columns
  // The first column names the row (the story number, the period): frozen in the workbook.
  bool keyColumn = true;
  friend bool operator==(const NoteTable&, const NoteTable&) = default;
};

// A value of the inputs or of a run, as "label value": the label without its "=".
struct NoteFact {
  std::string label;
  std::string value;  // as the program writes it; empty for a statement (a whole line)
  friend bool operator==(const NoteFact&, const NoteFact&) = default;
};

// One quantity of the static run worked out: its formula as the run applies it, the formula with
// the project's values put in, and the result as the program writes it.
struct NoteStep {
  std::string quantity;     // "TE", "T", "B", "C", "V", "Ft"
  std::string formula;      // "TE = 0.05 × H^0.75"
  std::string substituted;  // "0.05 × 15^0.75"; empty where nothing is computed (no top force)
  std::string result;       // ".38 s"
  friend bool operator==(const NoteStep&, const NoteStep&) = default;
};

struct NoteDerivation {
  std::string heading;  // the direction ("جهت افقي (x)") or empty for both
  std::vector<NoteStep> steps;
  friend bool operator==(const NoteDerivation&, const NoteDerivation&) = default;
};

// One table of the report (1 … 10) as the note shows it.
struct NoteSection {
  int table = 0;        // the report dialog's table number, 1 … 10
  std::string heading;  // the report dialog's caption of the table
  // Why the table is missing: the message its run stopped with, or that the project does not
  // hold its data. A section with a stop message has nothing else.
  std::string stopMessage;
  std::vector<NoteFact> facts;             // general values, before the tables
  std::vector<NoteDerivation> derivation;  // the static run only
  std::vector<std::string> lines;          // the result window's list lines (recommendations …)
  std::vector<NoteTable> tables;
  std::vector<Plot> plots;  // the result window's plots, drawn under the tables
  friend bool operator==(const NoteSection&, const NoteSection&) = default;
};

// What the note's title block says besides the document itself: typed in the export dialog,
// never stored in the project.
struct NoteTitle {
  std::string projectTitle;
  std::string engineer;
  std::string organisation;
  std::string projectFile;  // the project file's name, without its folder
  std::string date;         // "2026-12-08"
  friend bool operator==(const NoteTitle&, const NoteTitle&) = default;
};

// The note of the tables the report would hold: the ticked tables in the order 1 … 10, each
// with its data, or with the message of the run that stopped it when it is ticked but not
// available.
struct NoteDocument {
  NoteTitle title;
  std::string program;  // "VORN 1.0.0"
  std::vector<NoteSection> sections;
  friend bool operator==(const NoteDocument&, const NoteDocument&) = default;
};

// Whether the report would hold at least one table: what the note and the workbook need.
bool reportHasTable(const Project& project);

// The note of the project's ticked tables. The project is only read; the stop messages come from
// the runs' own calculations on its current inputs.
NoteDocument buildNoteDocument(const Project& project, const NoteTitle& title);

// A cell's value when its text is a number as the program writes it (" .35", "-12", "1E-05"):
// the whole text, blanks around it aside, reads as a finite number. "-", words and verdicts are
// not numbers.
bool cellNumber(const std::string& text, double& value);

}  // namespace vorn
