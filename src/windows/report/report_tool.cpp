#include "windows/report/report_tool.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <set>

#include "fileformat/project_file.h"
#include "fileformat/replace_file.h"
#include "session/session.h"
#include "windows/files/open_project.h"
#include "windows/report/note_document.h"
#include "windows/report/report_composer.h"
#include "windows/report/report_file.h"

namespace vorn {

namespace {

constexpr const char* kToolName = "vorn-report";

// "1,2,5": table numbers 1 to 10 separated by commas; nothing when the list is malformed.
std::optional<std::set<int>> tableList(const std::string& text)
{
  std::set<int> tables;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    const std::size_t end = comma == std::string::npos ? text.size() : comma;
    const std::string item = text.substr(start, end - start);
    if (item.empty() || item.size() > 2) {
      return std::nullopt;
    }
    int value = 0;
    for (char c : item) {
      if (c < '0' || c > '9') {
        return std::nullopt;
      }
      value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 10) {
      return std::nullopt;
    }
    tables.insert(value);
    if (comma == std::string::npos) {
      break;
    }
    start = comma + 1;
  }
  return tables;
}

int misused(std::ostream& err, const std::string& problem)
{
  err << kToolName << ": " << problem << "\n"
      << "Try '" << kToolName << " --help'.\n";
  return kToolMisused;
}

// Whether what went to the output stream reached it; says why not. errno is cleared before the
// writing starts, so that a reason found here is the writing's own.
bool written(std::ostream& out, std::ostream& err, const char* what)
{
  out.flush();
  if (out) {
    return true;
  }
  const int error = errno;
  err << kToolName << ": " << what << " could not be written to standard output: "
      << (error != 0 ? std::strerror(error) : "write error") << "\n";
  return false;
}

}  // namespace

void StreamPrompter::message(const std::string& text, const std::string& title)
{
  out_ << title << ": " << text << "\n";
}

bool StreamPrompter::askYesNo(const std::string& text, const std::string& title)
{
  out_ << title << ": " << text << " [answered No]\n";
  return false;
}

bool StreamPrompter::askOkCancel(const std::string& text, const std::string& title)
{
  out_ << title << ": " << text << " [answered OK]\n";
  return true;
}

std::string reportToolUsage()
{
  return "Usage: vorn-report [--format txt|pdf|xlsx] [--tables LIST] PROJECT.EQ OUTPUT\n"
         "\n"
         "Opens the VORN project PROJECT.EQ exactly as the program's Open command does (the same\n"
         "reader and the same repeated computations, without a window) and writes the report of\n"
         "the tables ticked in the project's print dialog to OUTPUT, exactly as the print\n"
         "dialog writes it with \"PRINT TO TEXT FILE:\" ticked (Windows-1256, CR LF line ends).\n"
         "A table whose data do not exist in the project is left out, except table 1.\n"
         "\n"
         "OUTPUT may be - to write the report to standard output, e.g. to pipe it on.\n"
         "An existing OUTPUT that is a device or a pipe is written into as it is. A file is\n"
         "replaced only once the new report is complete; through a symbolic link, the file it\n"
         "points to is replaced and the link kept. Refused, leaving every file as it was: the\n"
         "project file itself as OUTPUT (by any name or link), a write-protected file, a\n"
         "file with other hard links, a link that points nowhere.\n"
         "\n"
         "With --format pdf it writes the calculation note of the same tables instead (A4, the\n"
         "tables typeset with their units, the plots, the static run worked out step by step, the\n"
         "message of a run that stopped), with --format xlsx a workbook (a sheet of the inputs "
         "and\n"
         "one per table, numbers as numbers). The format is only ever the one --format names: an\n"
         "OUTPUT ending in .pdf still gets the text report without it. The note and the workbook\n"
         "follow the same rules for OUTPUT, but are never written to standard output, a device or\n"
         "a pipe.\n"
         "\n"
         "Options:\n"
         "  --format FORMAT     txt (the text report, the default), pdf (the calculation note) or\n"
         "                      xlsx (the workbook)\n"
         "  --tables LIST       report these tables instead of the ticked ones: numbers 1 to 10\n"
         "                      separated by commas, e.g. --tables 1,2,5\n"
         "  --title TEXT        the calculation note's project title (pdf only)\n"
         "  --engineer TEXT     the engineer named in the note's title block (pdf only)\n"
         "  --organisation TEXT the organisation named in the note's title block (pdf only)\n"
         "  -h, --help          show this help and exit\n"
         "\n"
         "Tables: 1 general data, 2 story loads and dimensions, 3 torsion and overturning input,\n"
         "4 story displacements, 5 story shears (equivalent static method), 6 torsion and\n"
         "overturning results, 7 design recommendations, 8 design spectrum, 9 allowable story\n"
         "displacements, 10 P-Delta results.\n"
         "\n"
         "Messages that the computations show in the program are written to standard error.\n"
         "Exit status: 0 when the report was written, 1 when the project could not be opened,\n"
         "no table was chosen or the report could not be written, 2 for a wrong command line.\n";
}

int runReportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const ReportFormats& formats)
{
  std::vector<std::string> paths;
  std::optional<std::set<int>> tables;
  std::string format = "txt";
  std::string projectTitle, engineer, organisation;
  // "--name VALUE" or "--name=VALUE": the value, or nothing when `arg` is another option.
  std::optional<std::string> missing;
  auto valueOf = [&](const std::string& name, std::size_t& k) -> std::optional<std::string> {
    const std::string& arg = args[k];
    if (arg == name) {
      if (k + 1 >= args.size()) {
        missing = name;
        return std::nullopt;
      }
      return args[++k];
    }
    if (arg.rfind(name + "=", 0) == 0) {
      return arg.substr(name.size() + 1);
    }
    return std::nullopt;
  };
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "-h" || arg == "--help") {
      errno = 0;
      out << reportToolUsage();
      return written(out, err, "the help") ? kToolSucceeded : kToolFailed;
    }
    if (auto value = valueOf("--format", k)) {
      if (*value != "txt" && *value != "pdf" && *value != "xlsx") {
        return misused(err, "'" + *value + "' is not a format: txt, pdf or xlsx");
      }
      format = *value;
      continue;
    }
    std::string* text = nullptr;
    std::optional<std::string> value;
    if ((value = valueOf("--title", k))) {
      text = &projectTitle;
    } else if ((value = valueOf("--engineer", k))) {
      text = &engineer;
    } else if ((value = valueOf("--organisation", k))) {
      text = &organisation;
    }
    if (text != nullptr) {
      *text = *value;
      continue;
    }
    if (missing) {
      return misused(err, *missing + " needs a value");
    }
    if (arg == "--tables" || arg.rfind("--tables=", 0) == 0) {
      std::string list;
      if (arg == "--tables") {
        if (k + 1 >= args.size()) {
          return misused(err, "--tables needs a list of tables, e.g. --tables 1,2,5");
        }
        list = args[++k];
      } else {
        list = arg.substr(9);
      }
      tables = tableList(list);
      if (!tables) {
        return misused(err, "'" + list + "' is not a list of tables 1 to 10 such as 1,2,5");
      }
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
      return misused(err, "unknown option '" + arg + "'");
    }
    if (arg == "--") {
      paths.insert(paths.end(), args.begin() + static_cast<std::ptrdiff_t>(k) + 1, args.end());
      break;
    }
    paths.push_back(arg);
  }
  if (paths.size() != 2) {
    return misused(err, "expected a project file and an output file");
  }
  const std::string& projectPath = paths[0];
  const std::string& outputPath = paths[1];

  const NoteWriter& writer = format == "pdf" ? formats.pdf : formats.xlsx;
  if (format != "txt") {
    if (!writer) {
      err << kToolName << ": this build of " << kToolName << " writes no " << format
          << " (it was built without the program's screen); nothing was written\n";
      return kToolFailed;
    }
    if (outputPath == "-") {
      return misused(err, "a " + format + " file cannot go to standard output; name a file");
    }
  }

  const bool toStandardOutput = outputPath == "-";
  if (!toStandardOutput && sameFile(projectPath, outputPath)) {
    err << kToolName << ": " << outputPath << " is the project file " << projectPath
        << " itself (by a link or another name); the report would take its place, so nothing was"
           " written\n";
    return kToolFailed;
  }

  const ProjectFileRead read = readProjectFile(projectPath);
  if (!read.ok()) {
    err << kToolName << ": " << read.error << "\n";
    return kToolFailed;
  }
  StreamPrompter prompter(err);
  auto session = std::make_unique<Session>(prompter);
  openProjectLines(*session, read.lines);
  Project& p = session->project;

  if (tables) {
    for (int k = 1; k <= 10; ++k) {
      p.form27.Check[k].value = tables->count(k) ? 1 : 0;
    }
  }
  if (!anyTableTicked(p)) {
    err << kToolName << ": no table is ticked in " << projectPath
        << "; nothing was written (choose tables with --tables)\n";
    return kToolFailed;
  }
  if (format != "txt") {
    NoteTitle title = noteTitleFor(projectPath);
    title.projectTitle = projectTitle;
    title.engineer = engineer;
    title.organisation = organisation;
    std::optional<std::string> problem = exportTargetProblem(outputPath, projectPath);
    if (!problem) {
      if (auto reason = writer(buildNoteDocument(p, title), outputPath)) {
        problem = exportFailure(outputPath, *reason);
      }
    }
    if (problem) {
      err << kToolName << ": " << *problem << "\n";
      return kToolFailed;
    }
    return kToolSucceeded;
  }
  if (toStandardOutput) {
    const ReportBytes report = encodeReport(composeReport(p), outputPath);
    if (!report.error.empty()) {
      err << kToolName << ": " << report.error << "\n";
      return kToolFailed;
    }
    errno = 0;
    out.write(report.bytes.data(), static_cast<std::streamsize>(report.bytes.size()));
    return written(out, err, "the report") ? kToolSucceeded : kToolFailed;
  }
  const ReportWrite report = writeReportFile(composeReport(p), {outputPath, projectPath, true});
  if (!report.ok()) {
    err << kToolName << ": " << report.error << "\n";
    return kToolFailed;
  }
  return kToolSucceeded;
}

}  // namespace vorn
