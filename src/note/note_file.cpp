#include "note/note_file.h"

#include "fileformat/replace_file.h"
#include "note/calculation_note.h"

namespace vorn {

std::optional<std::string> writeNotePdf(const NoteDocument& note, const std::string& path)
{
  const NotePdf pdf = calculationNotePdf(note);
  if (!pdf.error.empty()) {
    return pdf.error;
  }
  return replaceFile(path, pdf.bytes);
}

}  // namespace vorn
