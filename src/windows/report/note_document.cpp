#include "windows/report/note_document.h"

#include "model/number_text.h"
#include "windows/report/report_composer.h"

namespace vorn {

bool reportHasTable(const Project& p)
{
  for (int k = 1; k <= 10; ++k) {
    if (tableIncluded(p, k)) {
      return true;
    }
  }
  return false;
}

bool cellNumber(const std::string& text, double& value)
{
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return false;
  }
  const std::size_t last = text.find_last_not_of(' ');
  const NumericPrefix prefix = numericPrefix(std::string_view(text).substr(0, last + 1));
  if (prefix.length != last + 1) {
    return false;
  }
  // A lone sign or point reads as no number.
  const std::string_view digits = std::string_view(text).substr(first, last + 1 - first);
  if (digits.find_first_of("0123456789") == std::string_view::npos) {
    return false;
  }
  value = prefix.value;
  return value - value == 0;  // finite
}

NoteDocument buildNoteDocument(const Project&, const NoteTitle& title)
{
  NoteDocument note;
  note.title = title;
  return note;
}

}  // namespace vorn
