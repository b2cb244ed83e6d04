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

// Where the report may go.
struct ReportTarget {
  std::string path;
  // A file the report must never take the place of (the project it was made from): refused when
  // the path leads to it by any name or link.
  std::string keep;
  // A device or a pipe already at the path is written in place (the batch tool); otherwise it is
  // refused, since opening a pipe would wait for a reader.
  bool intoDevices = false;
};

// The report lines as the report file holds them: Windows-1256, CR LF after every line. Gives
// the message to show when a line cannot be written so (`bytes` is then empty).
struct ReportBytes {
  std::string bytes;
  std::string error;
};
ReportBytes encodeReport(const std::vector<std::string>& lines, const std::string& path);

// The report file's bytes as the output window shows them: UTF-8, LF line ends.
std::string reportText(const std::string& bytes);

// Writes the report file. A regular file is written beside the target under a temporary name and
// renamed over it only when complete, so a failed write never leaves a half-written report under
// the chosen name (an earlier file of that name stays whole); the file is then read back, which is
// what the output window shows. Written into a device or a pipe, nothing can be read back: the
// text is the report as composed.
ReportWrite writeReportFile(const std::vector<std::string>& lines, const ReportTarget& target);

}  // namespace vorn
