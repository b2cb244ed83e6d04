#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorn {

// Texts of the report file's failures.
namespace report_file_texts {
inline constexpr const char* notWrittenBefore = "فايل گزارش ";
inline constexpr const char* notWrittenAfter = " نوشته نشد: ";
inline constexpr const char* notReadAfter = " خوانده نشد: ";
inline constexpr const char* noPath = "نام فايل خالي است";
inline constexpr const char* notEncodable =
    "سطر زير نويسه اي دارد که در فايل گزارش نگهداري نميشود:\n";
inline constexpr const char* errorTitle = "errore BOX";
}  // namespace report_file_texts

// What became of writing a report file: the file's text as read back (UTF-8, LF line ends) or
// the message to show.
struct ReportWrite {
  std::string text;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Writes the report lines: Windows-1256, CR LF after every line. The file is written beside the
// target under a temporary name and renamed over it only when complete, so a failed write never
// leaves a half-written report under the chosen name (an earlier file of that name stays whole).
// Then reads the file back, which is what the output window shows.
ReportWrite writeReportFile(const std::vector<std::string>& lines, const std::string& path);

}  // namespace vorn
