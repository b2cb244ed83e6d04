#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "session/prompter.h"
#include "windows/report/note_export.h"

namespace vorn {

// Exit statuses of the command-line report tool.
inline constexpr int kToolSucceeded = 0;
inline constexpr int kToolFailed = 1;   // the project could not be opened or the report written
inline constexpr int kToolMisused = 2;  // the command line was not understood

// The tool's messages go to a stream: what the runs would show in message boxes, and the
// questions, of which reading a project meets only the reset question, answered OK as the
// project was saved that way. A Yes/No question is answered No, which changes nothing.
class StreamPrompter : public Prompter {
public:
  explicit StreamPrompter(std::ostream& out) : out_(out) {}
  void message(const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  bool askOkCancel(const std::string& text, const std::string& title) override;

private:
  std::ostream& out_;
};

// The tool's usage text.
std::string reportToolUsage();

// The calculation note and the workbook, where the build has them (a build without the screen
// writes the text report only).
struct ReportFormats {
  NoteWriter pdf;
  NoteWriter xlsx;
};

// vorn-report [--format txt|pdf|xlsx] [--tables LIST] PROJECT.EQ OUTPUT: opens the project as the
// Open command does and writes the report of the tables ticked (or listed) whose data exist, as
// the report dialog's OK writes it to a text file, or their calculation note or workbook. `args`
// are the arguments after the program name. Gives the exit status.
int runReportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const ReportFormats& formats = {});

}  // namespace vorn
