#include "windows/report/report_tool.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <thread>

#include "fileformat/project_file.h"
#include "main_window_driver.h"
#include "report_buildings.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "windows/main/form1_main.h"
#include "windows/report/form27_print.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

int lineCount(const std::string& bytes)
{
  return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// Runs the built tool; gives its exit status and what it wrote to standard error.
struct ToolRun {
  int status = -1;
  std::string err;
};

// `output` is where its standard output goes: a shell redirection or pipe.
ToolRun runBuiltTool(const std::string& args, const fs::path& folder,
                     const std::string& output = ">/dev/null")
{
  const fs::path errFile = folder / "tool.err";
  const std::string command = std::string("cd '") + folder.string() + "' && '" + VORN_REPORT_TOOL +
                              "' " + args + " 2>'" + errFile.string() + "' " + output;
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = slurp(errFile);
  return run;
}

class ReportTool : public ::testing::Test {
protected:
  // The tool in this process.
  int run(const std::vector<std::string>& args, const ReportFormats& formats = {})
  {
    out.str("");
    err.str("");
    return runReportTool(args, out, err, formats);
  }

  test::TempFolder temp{"vorn-tool", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
  std::ostringstream out, err;
};

// Describes the irregular building with every table ticked for a text file and saves it at
// `path`; gives the session.
std::unique_ptr<Session> savedIrregular(test::ScriptedPrompter& prompter, const fs::path& path)
{
  auto s = std::make_unique<Session>(prompter);
  test::describeIrregularBuilding(*s);
  test::tickEverything(*s, "dialog.txt");
  s->form27.OK_Click();  // the ticks are confirmed by writing a first report
  EXPECT_FALSE(writeProjectFile(s->project, path.string()).has_value());
  return s;
}

TEST_F(ReportTool, SavedProjectGivesTheSameBytesAsTheDialogAfterOpen)
{
  // State: a complete building saved with every table ticked.
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;

  // Action 1: open it with the Open command and press OK in the report dialog.
  auto opened = std::make_unique<Session>(prompter);
  test::openProjectNamed(*opened, "B");
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  opened->form27.open();
  ASSERT_EQ(opened->project.form27.Check[11].value, 1);
  opened->form27.Text1_Change("dialog.txt");
  opened->form27.OK_Click();
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  const std::string dialogBytes = slurp(folder / "dialog.txt");
  ASSERT_GT(lineCount(dialogBytes), 300);

  // Action 2: the built tool and the tool in this process on the saved file.
  const ToolRun built = runBuiltTool("B.EQ tool.txt", folder);
  EXPECT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(run({"B.EQ", "inprocess.txt"}), 0) << err.str();

  // Expected: the same bytes.
  EXPECT_TRUE(slurp(folder / "tool.txt") == dialogBytes);
  EXPECT_TRUE(slurp(folder / "inprocess.txt") == dialogBytes);
}

TEST_F(ReportTool, TablesOptionOverridesTheTicksButNotTheAvailability)
{
  test::ScriptedPrompter prompter;
  auto s = savedIrregular(prompter, folder / "B.EQ");
  ASSERT_EQ(run({"--tables", "1", "B.EQ", "one.txt"}), 0) << err.str();
  const std::string one = slurp(folder / "one.txt");
  EXPECT_EQ(lineCount(one), 9) << "the rule line and table 1";

  // A building whose torsion was never entered: table 6 is not available.
  test::ScriptedPrompter p2;
  Session fresh(p2);
  EXPECT_FALSE(writeProjectFile(fresh.project, (folder / "NEW.EQ").string()).has_value());
  ASSERT_EQ(run({"--tables=1,6", "NEW.EQ", "new.txt"}), 0) << err.str();
  EXPECT_EQ(lineCount(slurp(folder / "new.txt")), 9) << "table 6 left out";

  ASSERT_EQ(run({"B.EQ", "--tables", "1,1,5", "two.txt"}), 0) << err.str();
  const std::string two = slurp(folder / "two.txt");
  EXPECT_EQ(two.substr(0, one.size() - (18 + 92 + 2)), one.substr(0, one.size() - (18 + 92 + 2)));
  EXPECT_GT(lineCount(two), 9 + 5 * 6);
}

TEST_F(ReportTool, TheResetQuestionMetWhileReadingIsAnsweredOk)
{
  test::ScriptedPrompter prompter;
  auto s = std::make_unique<Session>(prompter);
  test::describeIrregularBuilding(*s);
  prompter.answer(true);
  s->form1.Check11_Click(1);  // the user returned to the state before the run, then saved
  s->project.form27.Check[1].value = 1;
  ASSERT_FALSE(writeProjectFile(s->project, (folder / "R.EQ").string()).has_value());

  ASSERT_EQ(run({"R.EQ", "r.txt"}), 0) << err.str();
  EXPECT_NE(err.str().find("[answered OK]"), std::string::npos) << err.str();
  EXPECT_EQ(lineCount(slurp(folder / "r.txt")), 9);
}

TEST_F(ReportTool, FailuresGiveStatusOneWithTheReason)
{
  EXPECT_EQ(run({"missing.EQ", "r.txt"}), 1);
  EXPECT_NE(err.str().find("missing.EQ"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "r.txt"));

  test::ScriptedPrompter prompter;
  Session fresh(prompter);
  fresh.project.form27.Check[1].value = 1;
  ASSERT_FALSE(writeProjectFile(fresh.project, (folder / "N.EQ").string()).has_value());
  EXPECT_EQ(run({"N.EQ", "no/such/folder/r.txt"}), 1);
  EXPECT_NE(err.str().find("no/such/folder/r.txt"), std::string::npos);

  fresh.project.form27.Check[1].value = 0;
  ASSERT_FALSE(writeProjectFile(fresh.project, (folder / "N.EQ").string()).has_value());
  EXPECT_EQ(run({"N.EQ", "r.txt"}), 1);
  EXPECT_NE(err.str().find("no table"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "r.txt"));

  // The built program gives the same status.
  const ToolRun built = runBuiltTool("missing.EQ r.txt", folder);
  EXPECT_EQ(built.status, 1);
  EXPECT_NE(built.err.find("missing.EQ"), std::string::npos);
}

TEST_F(ReportTool, CommandLinesThatAreNotUnderstoodGiveStatusTwo)
{
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"only.EQ"},
                                             {"a.EQ", "b.txt", "c"},
                                             {"--tables"},
                                             {"--tables", "0", "a.EQ", "b.txt"},
                                             {"--tables", "11", "a.EQ", "b.txt"},
                                             {"--tables", "1,,2", "a.EQ", "b.txt"},
                                             {"--tables=x", "a.EQ", "b.txt"},
                                             {"--output", "a.EQ", "b.txt"},
                                             {"--format", "doc", "a.EQ", "b.txt"},
                                             {"--format=", "a.EQ", "b.txt"},
                                             {"a.EQ", "b.txt", "--format"},
                                             {"--title"}}) {
    EXPECT_EQ(run(args), 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(err.str().find("--help"), std::string::npos);
  }
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_NE(out.str().find(
                "Usage: vorn-report [--format txt|pdf|xlsx] [--tables LIST] PROJECT.EQ OUTPUT"),
            std::string::npos);
  EXPECT_EQ(runBuiltTool("", folder).status, 2);
}

TEST_F(ReportTool, TheProjectItselfIsNeverTheOutput)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  const std::string project = slurp(folder / "B.EQ");
  fs::create_symlink("B.EQ", folder / "soft.txt");
  fs::create_hard_link(folder / "B.EQ", folder / "hard.txt");
  for (const std::string& output : std::vector<std::string>{
           "B.EQ", "./B.EQ", (folder / "B.EQ").string(), "soft.txt", "hard.txt"}) {
    SCOPED_TRACE(output);
    EXPECT_EQ(run({"B.EQ", output}), 1);
    EXPECT_NE(err.str().find("is the project file"), std::string::npos) << err.str();
  }
  const ToolRun built = runBuiltTool("B.EQ B.EQ", folder);
  EXPECT_EQ(built.status, 1);
  EXPECT_NE(built.err.find("nothing was written"), std::string::npos) << built.err;

  EXPECT_TRUE(slurp(folder / "B.EQ") == project);
  EXPECT_TRUE(fs::is_symlink(folder / "soft.txt"));
  EXPECT_EQ(fs::hard_link_count(folder / "B.EQ"), 2u);
}

TEST_F(ReportTool, StandardOutputDevicesAndPipesTakeTheReportInPlace)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  ASSERT_EQ(run({"B.EQ", "file.txt"}), 0) << err.str();
  const std::string report = slurp(folder / "file.txt");
  ASSERT_GT(lineCount(report), 300);

  // "-": the same bytes on standard output, here and piped on from the built tool.
  ASSERT_EQ(run({"B.EQ", "-"}), 0) << err.str();
  EXPECT_TRUE(out.str() == report);
  const ToolRun piped = runBuiltTool("B.EQ -", folder, "| cat > piped.txt");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_TRUE(slurp(folder / "piped.txt") == report);

  // A character device stays one.
  const ToolRun null = runBuiltTool("B.EQ /dev/null", folder);
  EXPECT_EQ(null.status, 0) << null.err;
  struct stat st {};
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));

  // A named pipe gets the report through it and stays a pipe.
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] {
    const int fd = ::open(pipe.c_str(), O_RDONLY);
    char buffer[4096];
    ssize_t n = 0;
    while (fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0) {
      received.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
  });
  const int status = run({"B.EQ", pipe.string()});
  reader.join();
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_TRUE(received == report);
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(ReportTool, AWriteThatFailsGivesStatusOneWithTheSystemsReason)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  const std::string full = std::strerror(ENOSPC);
  for (const auto& [args, output] : std::vector<std::pair<std::string, std::string>>{
           {"B.EQ /dev/full", ">/dev/null"}, {"B.EQ -", ">/dev/full"}, {"--help", ">/dev/full"}}) {
    SCOPED_TRACE(args + " " + output);
    const ToolRun built = runBuiltTool(args, folder, output);
    EXPECT_EQ(built.status, 1);
    EXPECT_NE(built.err.find(full), std::string::npos) << built.err;
  }
}

TEST_F(ReportTool, AnExistingOutputIsReplacedOnlyWhereThatLosesNothing)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  std::ofstream(folder / "old.txt") << "old";
  std::ofstream(folder / "protected.txt") << "kept";
  fs::permissions(folder / "protected.txt", fs::perms::owner_read);
  fs::create_hard_link(folder / "old.txt", folder / "twin.txt");
  fs::create_symlink("nowhere.txt", folder / "dangling.txt");
  for (const char* output : {"protected.txt", "twin.txt", "dangling.txt"}) {
    SCOPED_TRACE(output);
    EXPECT_EQ(run({"B.EQ", output}), 1);
    EXPECT_NE(err.str().find(output), std::string::npos) << err.str();
  }
  EXPECT_EQ(slurp(folder / "protected.txt"), "kept");
  EXPECT_EQ(slurp(folder / "twin.txt"), "old");
  EXPECT_EQ(fs::hard_link_count(folder / "old.txt"), 2u);
  EXPECT_FALSE(fs::exists(folder / "nowhere.txt"));

  // Through a link the file it points to takes the report, and the link stays.
  fs::create_directory(folder / "reports");
  std::ofstream(folder / "reports" / "r.txt") << "old";
  fs::create_symlink("reports/r.txt", folder / "link.txt");
  EXPECT_EQ(run({"B.EQ", "link.txt"}), 0) << err.str();
  EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
  EXPECT_GT(lineCount(slurp(folder / "reports" / "r.txt")), 300);
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// A note or workbook writer that keeps what it was given and gives `reason`.
struct RecordingWriter {
  std::vector<NoteDocument> notes;
  std::vector<std::string> paths;
  std::optional<std::string> reason;
  NoteWriter writer()
  {
    return [this](const NoteDocument& note, const std::string& path) {
      notes.push_back(note);
      paths.push_back(path);
      return reason;
    };
  }
};

TEST_F(ReportTool, TheFormatIsTheOneNamedAndNeverTheOutputsExtension)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  RecordingWriter pdf, xlsx;
  const ReportFormats formats{pdf.writer(), xlsx.writer()};

  ASSERT_EQ(run({"--format", "pdf", "--title", "Tower 7", "--engineer=S. Karimi", "--tables", "1,5",
                 "B.EQ", "note.pdf"},
                formats),
            0)
      << err.str();
  ASSERT_EQ(pdf.notes.size(), 1u);
  EXPECT_TRUE(xlsx.notes.empty());
  EXPECT_EQ(pdf.paths[0], "note.pdf");
  const NoteDocument& note = pdf.notes[0];
  EXPECT_EQ(note.title.projectTitle, "Tower 7");
  EXPECT_EQ(note.title.engineer, "S. Karimi");
  EXPECT_EQ(note.title.projectFile, "B.EQ");
  EXPECT_EQ(note.title.date.size(), 10u);
  ASSERT_EQ(note.sections.size(), 2u);
  EXPECT_EQ(note.sections[1].table, 5);
  EXPECT_FALSE(note.sections[1].tables.empty());

  // Without --format a name ending in .pdf or .xlsx still gets the text report.
  ASSERT_EQ(run({"B.EQ", "plain.txt"}, formats), 0) << err.str();
  ASSERT_EQ(run({"B.EQ", "looks.pdf"}, formats), 0) << err.str();
  ASSERT_EQ(run({"--format=txt", "B.EQ", "looks.xlsx"}, formats), 0) << err.str();
  EXPECT_TRUE(slurp(folder / "looks.pdf") == slurp(folder / "plain.txt"));
  EXPECT_TRUE(slurp(folder / "looks.xlsx") == slurp(folder / "plain.txt"));
  EXPECT_EQ(pdf.notes.size(), 1u);
  EXPECT_TRUE(xlsx.notes.empty());
}

TEST_F(ReportTool, ANoteOrWorkbookThatCannotBeWrittenSaysWhyAndWritesNothing)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  const std::string project = slurp(folder / "B.EQ");
  RecordingWriter pdf, xlsx;
  xlsx.reason = "the disk is full";
  const ReportFormats formats{pdf.writer(), xlsx.writer()};

  EXPECT_EQ(run({"--format", "xlsx", "B.EQ", "book.xlsx"}, formats), 1);
  EXPECT_NE(err.str().find("\"book.xlsx\""), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("the disk is full"), std::string::npos) << err.str();

  // The project itself, a folder or a device is refused before a writer is asked.
  fs::create_symlink("B.EQ", folder / "soft.pdf");
  fs::create_directory(folder / "folder.pdf");
  for (const char* output : {"B.EQ", "soft.pdf", "folder.pdf", "/dev/null"}) {
    EXPECT_EQ(run({"--format", "pdf", "B.EQ", output}, formats), 1) << output;
  }
  EXPECT_TRUE(pdf.notes.empty());
  EXPECT_EQ(run({"--format", "pdf", "B.EQ", "-"}, formats), 2);
  EXPECT_TRUE(slurp(folder / "B.EQ") == project);

  // A build without the screen writes text only, and says so.
  EXPECT_EQ(run({"--format", "pdf", "B.EQ", "note.pdf"}), 1);
  EXPECT_NE(err.str().find("writes no pdf"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(folder / "note.pdf"));
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

#if defined(VORN_REPORT_TOOL_PDF) || defined(VORN_REPORT_TOOL_XLSX)
// What a shell command printed on its standard output.
std::string commandOutput(const std::string& command)
{
  std::string text;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      text.append(buffer, n);
    }
    ::pclose(pipe);
  }
  return text;
}

#endif

#ifdef VORN_REPORT_TOOL_PDF
// The note is painted by Qt on the offscreen platform: no display is needed.
TEST_F(ReportTool, TheBuiltToolWritesTheCalculationNoteWithoutADisplay)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  const std::string command = "cd '" + folder.string() +
                              "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                              VORN_REPORT_TOOL + "' --format pdf B.EQ note.pdf 2>&1";
  const std::string said = commandOutput(command + "; echo status=$?");
  EXPECT_NE(said.find("status=0"), std::string::npos) << said;
  const std::string info = commandOutput("pdfinfo '" + (folder / "note.pdf").string() + "'");
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  EXPECT_NE(info.find("Creator:"), std::string::npos) << info;
}
#endif

#ifdef VORN_REPORT_TOOL_XLSX
TEST_F(ReportTool, TheBuiltToolWritesTheWorkbookOfTheListedTables)
{
  test::ScriptedPrompter prompter;
  savedIrregular(prompter, folder / "B.EQ");
  const ToolRun built = runBuiltTool("--format xlsx --tables 1,5,10 B.EQ book.xlsx", folder);
  ASSERT_EQ(built.status, 0) << built.err;
  const std::string sheets =
      commandOutput(std::string(VORN_TEST_PYTHON) +
                    " -c 'import openpyxl,sys; "
                    "print(len(openpyxl.load_workbook(sys.argv[1]).sheetnames))' '" +
                    (folder / "book.xlsx").string() + "'");
  EXPECT_EQ(sheets, "3\n") << "the inputs, the static shears and P-Delta";
}
#endif

}  // namespace
}  // namespace vorn
