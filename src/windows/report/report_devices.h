#pragma once

#include <optional>
#include <string>

namespace vorn {

// The common save dialog as the report dialog configures it.
struct SaveFileRequest {
  std::string title;
  std::string nameFilter;     // "description (pattern)"
  std::string defaultSuffix;  // added to a name typed without one
  bool confirmOverwrite = true;
};

// What the printer is asked to print: the text of the output window in a font.
struct PrintJob {
  std::string text;      // UTF-8, lines separated by LF
  std::string fontName;  // the platform falls back to an installed Persian font without it
  int pointSize = 10;
};

struct PrintOutcome {
  enum class Status { Printed, Cancelled, Failed };
  Status status = Status::Failed;
  std::string reason;  // why printing failed
};

// The platform's save dialog, printer dialog and printer, as the report dialog uses them. The
// desktop program gives the Qt ones; tests give their own.
class ReportDevices {
public:
  virtual ~ReportDevices() = default;
  // Shows the save dialog: the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) = 0;
  // Shows the printer dialog and, unless it is cancelled, prints the job with the number of
  // copies and the orientation chosen there.
  virtual PrintOutcome print(const PrintJob& job) = 0;
};

}  // namespace vorn
