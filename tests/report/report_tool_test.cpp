#include "report/report_tool.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "projectfile/project_file.h"
#include "report_buildings.h"
#include "scripted_prompter.h"

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

ToolRun runBuiltTool(const std::string& args, const fs::path& folder)
{
  const fs::path errFile = folder / "tool.err";
  const std::string command = std::string("cd '") + folder.string() + "' && '" + VORN_REPORT_TOOL +
                              "' " + args + " 2>'" + errFile.string() + "' >/dev/null";
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = slurp(errFile);
  return run;
}

class ReportTool : public ::testing::Test {
protected:
  ReportTool()
  {
    std::string pattern = (fs::temp_directory_path() / "vorn-tool-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    previous = fs::current_path();
    fs::current_path(folder);
  }
  ~ReportTool() override
  {
    fs::current_path(previous);
    fs::remove_all(folder);
  }

  // The tool in this process.
  int run(const std::vector<std::string>& args)
  {
    out.str("");
    err.str("");
    return runReportTool(args, out, err);
  }

  fs::path folder, previous;
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
  opened->form26.MENOPEN_Click();
  opened->form26.Text1_Change("B");
  opened->form26.OK_Click();
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
                                             {"--output", "a.EQ", "b.txt"}}) {
    EXPECT_EQ(run(args), 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(err.str().find("--help"), std::string::npos);
  }
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_NE(out.str().find("Usage: vorn-report [--tables LIST] PROJECT.EQ OUTPUT.txt"),
            std::string::npos);
  EXPECT_EQ(runBuiltTool("", folder).status, 2);
}

}  // namespace
}  // namespace vorn
