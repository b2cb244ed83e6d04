#include "workbook/workbook.h"

#include <locale.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

#include "fileformat/replace_file.h"

namespace vorn {

namespace {

// Excel's limits: a sheet's name, a cell's text.
constexpr std::size_t kSheetNameMax = 31;
constexpr std::size_t kCellTextMax = 32767;

// Column widths, in Excel's characters: room for a blank either side, and caps so that a long
// text wraps or overflows instead of making one column the whole screen.
constexpr double kPadding = 2;
constexpr double kNarrowest = 6;
constexpr double kTableWidest = 40;
constexpr double kLabelWidest = 60;
constexpr double kValueWidest = 40;

// The UTF-8 sequence that starts `text` at `at`: its length in bytes when valid; when not (a
// stray continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF), the
// bytes that stand for one character gone wrong: the lead and the continuation bytes that fit it.
struct Sequence {
  std::size_t length = 1;
  bool valid = false;
};

Sequence sequenceAt(std::string_view text, std::size_t at)
{
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    return {1, true};
  }
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return {1, false};
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (at + k >= text.size() || byte(k) < low || byte(k) > high) {
      return {k, false};
    }
    low = 0x80;
    high = 0xBF;
  }
  return {length, true};
}

// The text as valid UTF-8 of at most `limit` characters: bytes that make no valid character
// become U+FFFD, so that the file stays readable whatever a typed text holds.
std::string cleanText(std::string_view text, std::size_t limit = kCellTextMax)
{
  std::string clean;
  clean.reserve(text.size());
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size() && characters < limit; ++characters) {
    const Sequence sequence = sequenceAt(text, at);
    if (sequence.valid) {
      clean.append(text.substr(at, sequence.length));
    } else {
      clean += "\xEF\xBF\xBD";
    }
    at += sequence.length;
  }
  return clean;
}

// The characters of valid UTF-8 text.
std::size_t characterCount(std::string_view text)
{
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// The text without the blanks the program pads its numbers and columns with.
std::string_view trimmed(std::string_view text)
{
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The width of a wrapped header: its longest word, and room enough that each of its lines wraps
// into three lines at most.
std::size_t headerWidth(std::string_view text)
{
  std::size_t widest = 0;
  while (!text.empty()) {
    const std::size_t lineEnd = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(std::min(lineEnd + 1, text.size()));
    widest = std::max(widest, (characterCount(line) + 2) / 3);
    while (!line.empty()) {
      const std::size_t wordEnd = std::min(line.find(' '), line.size());
      widest = std::max(widest, characterCount(line.substr(0, wordEnd)));
      line.remove_prefix(std::min(wordEnd + 1, line.size()));
    }
  }
  return widest;
}

// The units of the note's values: a fact written "16.5 m" is the number 16.5 and its unit.
bool isUnit(std::string_view word)
{
  for (std::string_view unit : {"kg", "m", "cm", "kg·m", "s"}) {
    if (word == unit) {
      return true;
    }
  }
  return false;
}

double columnWidth(std::size_t characters, double widest)
{
  return std::clamp(static_cast<double>(characters) + kPadding, kNarrowest, widest);
}

std::string asciiLower(std::string text)
{
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

// The sheets' names as Excel takes them: at most 31 characters, none of []:*?/\, not starting
// or ending with an apostrophe, unique regardless of case. The names the note gives are kept
// where they are valid; others are mended, and a name taken already gets " (2)", " (3)", ….
class SheetNames {
public:
  std::string take(const std::string& wanted)
  {
    std::string allowed;
    for (char c : wanted) {
      if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos) {
        allowed += c;
      }
    }
    std::string base = cleanText(allowed, kSheetNameMax);
    const std::size_t first = base.find_first_not_of('\'');
    base = first == std::string::npos ? ""
                                      : base.substr(first, base.find_last_not_of('\'') + 1 - first);
    if (base.empty()) {
      base = std::to_string(taken_.size() + 1);
    }
    std::string name = base;
    for (int n = 2; taken(name); ++n) {
      const std::string suffix = " (" + std::to_string(n) + ")";
      name = cleanText(base, kSheetNameMax - suffix.size()) + suffix;
    }
    taken_.push_back(asciiLower(name));
    return name;
  }

private:
  bool taken(const std::string& name) const
  {
    const std::string lower = asciiLower(name);
    // Excel keeps "History" for the history of a shared workbook.
    return lower == "history" || std::find(taken_.begin(), taken_.end(), lower) != taken_.end();
  }
  std::vector<std::string> taken_;
};

// libxlsxwriter writes numbers with the C library's printf, which would put the user's decimal
// comma into the file: the writing runs under the "C" numbers of this thread.
class CNumbers {
public:
  CNumbers()
  {
    const locale_t current = ::duplocale(LC_GLOBAL_LOCALE);
    if (current != locale_t(0)) {
      locale_ = ::newlocale(LC_NUMERIC_MASK, "C", current);
      if (locale_ == locale_t(0)) {
        ::freelocale(current);
      }
    }
    if (locale_ != locale_t(0)) {
      previous_ = ::uselocale(locale_);
    }
  }
  ~CNumbers()
  {
    if (locale_ != locale_t(0)) {
      ::uselocale(previous_);
      ::freelocale(locale_);
    }
  }
  CNumbers(const CNumbers&) = delete;
  CNumbers& operator=(const CNumbers&) = delete;
  bool inForce() const { return locale_ != locale_t(0); }

private:
  locale_t locale_ = locale_t(0);
  locale_t previous_ = locale_t(0);
};

class WorkbookWriter {
public:
  explicit WorkbookWriter(const std::string& path) : book_(workbook_new(path.c_str()))
  {
    if (book_ == nullptr) {
      fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
      return;
    }
    bold_ = workbook_add_format(book_);
    header_ = workbook_add_format(book_);
    if (bold_ == nullptr || header_ == nullptr) {
      fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
      return;
    }
    format_set_bold(bold_);
    format_set_bold(header_);
    format_set_text_wrap(header_);
    format_set_border(header_, LXW_BORDER_THIN);
    format_set_align(header_, LXW_ALIGN_CENTER);
    format_set_align(header_, LXW_ALIGN_VERTICAL_CENTER);
  }

  // Writes the file and frees the workbook; gives the first thing that failed.
  std::optional<std::string> close()
  {
    if (book_ != nullptr) {
      errno = 0;
      const lxw_error closing = workbook_close(book_);
      const int systemError = errno;
      book_ = nullptr;
      if (!problem_) {
        fail(closing);
        // The library's own reason names the step; the system's says why (a full disk …).
        const bool fileStep = closing == LXW_ERROR_CREATING_XLSX_FILE ||
                              closing == LXW_ERROR_CREATING_TMPFILE ||
                              closing == LXW_ERROR_ZIP_FILE_OPERATION;
        if (problem_ && fileStep && systemError != 0) {
          *problem_ += std::string(" (") + std::strerror(systemError) + ")";
        }
      }
    }
    return problem_;
  }

  ~WorkbookWriter() { close(); }
  WorkbookWriter(const WorkbookWriter&) = delete;
  WorkbookWriter& operator=(const WorkbookWriter&) = delete;

  void properties(const NoteDocument& note)
  {
    if (problem_) {
      return;
    }
    std::string title = cleanText(trimmed(note.title.projectTitle));
    std::string author = cleanText(trimmed(note.title.engineer));
    std::string company = cleanText(trimmed(note.title.organisation));
    std::string program = cleanText(trimmed(note.program));
    // An empty property is left out rather than written empty.
    auto field = [](std::string& value) { return value.empty() ? nullptr : value.data(); };
    lxw_doc_properties properties{};
    properties.title = field(title);
    properties.author = field(author);
    properties.company = field(company);
    properties.comments = field(program);
    fail(workbook_set_properties(book_, &properties));
  }

  void inputs(const NoteDocument& note)
  {
    lxw_worksheet* sheet = addSheet(note_texts::inputsSheet);
    if (sheet == nullptr) {
      return;
    }
    std::size_t labelWidth = 0;
    std::size_t valueWidth = 0;
    lxw_row_t row = 0;
    auto fact = [&](const std::string& label, const std::string& value) {
      if (trimmed(value).empty()) {  // a statement: the whole line, beside nothing
        text(sheet, row++, 0, label);
        return;
      }
      labelWidth = std::max(labelWidth, text(sheet, row, 0, label));
      const std::string_view shown = trimmed(value);
      const std::size_t blank = shown.rfind(' ');
      double number = 0;
      if (blank != std::string_view::npos && isUnit(shown.substr(blank + 1)) &&
          cellNumber(std::string(shown.substr(0, blank)), number)) {
        valueWidth = std::max(valueWidth, cell(sheet, row, 1, std::string(shown.substr(0, blank))));
        text(sheet, row++, 2, std::string(shown.substr(blank + 1)));
        return;
      }
      valueWidth = std::max(valueWidth, cell(sheet, row++, 1, value));
    };

    // The title block, as far as it was typed.
    const NoteTitle& title = note.title;
    for (const auto& [label, value] : {std::pair{note_texts::projectTitle, &title.projectTitle},
                                       {note_texts::engineer, &title.engineer},
                                       {note_texts::organisation, &title.organisation},
                                       {note_texts::projectFile, &title.projectFile},
                                       {note_texts::date, &title.date},
                                       {note_texts::program, &note.program}}) {
      if (!trimmed(*value).empty()) {
        fact(label, *value);
      }
    }

    for (const NoteSection& section : note.sections) {
      if (section.stopMessage.empty() && section.facts.empty() && section.lines.empty()) {
        continue;  // its tables have sheets of their own
      }
      if (row > 0) {
        ++row;
      }
      text(sheet, row++, 0, section.heading, bold_);
      if (!section.stopMessage.empty()) {
        text(sheet, row++, 0, section.stopMessage);
      }
      for (const NoteFact& f : section.facts) {
        fact(f.label, f.value);
      }
      for (const std::string& line : section.lines) {
        if (!trimmed(line).empty()) {
          text(sheet, row++, 0, std::string(trimmed(line)));
        }
      }
    }
    setWidth(sheet, 0, columnWidth(labelWidth, kLabelWidest));
    setWidth(sheet, 1, columnWidth(valueWidth, kValueWidest));
  }

  void table(const NoteTable& table)
  {
    lxw_worksheet* sheet = addSheet(table.sheet);
    if (sheet == nullptr) {
      return;
    }
    lxw_row_t row = 0;
    if (!table.title.empty()) {
      text(sheet, row++, 0, table.title, bold_);
    }
    const lxw_row_t headerRow = row++;
    std::vector<std::size_t> widths(table.columns.size(), 0);
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const NoteColumn& column = table.columns[c];
      const std::string header =
          column.unit.empty() ? column.heading : column.heading + " (" + column.unit + ")";
      text(sheet, headerRow, static_cast<lxw_col_t>(c), header, header_);
      widths[c] = headerWidth(cleanText(header));
    }
    for (const auto& cells : table.rows) {
      if (cells.size() > widths.size()) {
        widths.resize(cells.size(), 0);
      }
      for (std::size_t c = 0; c < cells.size(); ++c) {
        widths[c] = std::max(widths[c], cell(sheet, row, static_cast<lxw_col_t>(c), cells[c]));
      }
      ++row;
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
      setWidth(sheet, static_cast<lxw_col_t>(c), columnWidth(widths[c], kTableWidest));
    }
    worksheet_freeze_panes(sheet, headerRow + 1, table.keyColumn ? 1 : 0);
  }

private:
  void fail(lxw_error error)
  {
    if (error != LXW_NO_ERROR && !problem_) {
      problem_ = lxw_strerror(error);
    }
  }

  lxw_worksheet* addSheet(const std::string& wanted)
  {
    if (problem_) {
      return nullptr;
    }
    const std::string name = names_.take(wanted);
    lxw_worksheet* sheet = workbook_add_worksheet(book_, name.c_str());
    if (sheet == nullptr) {
      fail(workbook_validate_sheet_name(book_, name.c_str()));
      fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
      return nullptr;
    }
    worksheet_right_to_left(sheet);
    return sheet;
  }

  // Writes the text, its padding blanks taken off; gives its width in characters.
  std::size_t text(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& value,
                   lxw_format* format = nullptr)
  {
    const std::string clean = cleanText(trimmed(value));
    if (!clean.empty() || format != nullptr) {
      fail(worksheet_write_string(sheet, row, col, clean.c_str(), format));
    }
    return characterCount(clean);
  }

  // Writes a cell of the program's: a number as a number, anything else as its text; gives its
  // width in characters as Excel shows it.
  std::size_t cell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& value)
  {
    double number = 0;
    if (!cellNumber(value, number)) {
      return text(sheet, row, col, value);
    }
    fail(worksheet_write_number(sheet, row, col, number, nullptr));
    // ".35" shows as "0.35".
    const std::string_view shown = trimmed(value);
    const bool leadingPoint = shown.starts_with('.') || shown.starts_with("-.");
    return shown.size() + (leadingPoint ? 1 : 0);
  }

  void setWidth(lxw_worksheet* sheet, lxw_col_t col, double width)
  {
    fail(worksheet_set_column(sheet, col, col, width, nullptr));
  }

  lxw_workbook* book_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_format* header_ = nullptr;
  SheetNames names_;
  std::optional<std::string> problem_;
};

}  // namespace

std::optional<std::string> writeWorkbook(const NoteDocument& note, const std::string& path)
{
  return replaceFileBy(path, [&note](int, const std::string& temporaryPath) {
    const CNumbers numbers;
    if (!numbers.inForce()) {
      return std::optional<std::string>(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
    }
    WorkbookWriter writer(temporaryPath);
    writer.properties(note);
    writer.inputs(note);
    for (const NoteSection& section : note.sections) {
      if (!section.stopMessage.empty()) {
        continue;
      }
      for (const NoteTable& table : section.tables) {
        writer.table(table);
      }
    }
    return writer.close();
  });
}

}  // namespace vorn
