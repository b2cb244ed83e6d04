#include "workbook/workbook.h"

namespace vorn {

std::optional<std::string> writeWorkbook(const NoteDocument&, const std::string&)
{
  return "not built yet";
}

}  // namespace vorn
