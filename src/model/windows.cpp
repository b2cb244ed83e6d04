#include "model/windows.h"

#include <array>

namespace vorn {

std::string_view windowName(WindowId id)
{
  static constexpr std::array<std::string_view, kWindowCount> names = {
      "form1",  "Form2",  "Form3",  "Form4",  "Form5",   "Form6",  "Form7",  "Form8",
      "Form9",  "Form10", "Form11", "Form12", "Form13",  "Form14", "Form15", "Form16",
      "Form17", "Form18", "Form19", "Form20", "Form21",  "Form22", "Form23", "Form24",
      "Form25", "Form26", "Form27", "Form28", "frmAbout"};
  return names.at(static_cast<std::size_t>(id));
}

}  // namespace vorn
