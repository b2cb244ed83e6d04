#include "windows/report/form27_print.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fileformat/file_texts.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/report/report_devices.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// A save dialog and printer that record what they were asked and answer from the test.
class FakeDevices : public ReportDevices {
public:
  std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) override
  {
    requests.push_back(request);
    return chosen;
  }
  PrintOutcome print(const PrintJob& job) override
  {
    jobs.push_back(job);
    return outcome;
  }

  std::optional<std::string> chosen;
  std::vector<SaveFileRequest> requests;
  PrintOutcome outcome{PrintOutcome::Status::Printed, {}};
  std::vector<PrintJob> jobs;
};

std::string slurp(const fs::path& path)
{
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class ReportDialog : public ::testing::Test {
protected:
  ReportDialog()
  {
    s = std::make_unique<Session>(prompter);
    s->form27.setDevices(&devices);
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form27& dialog() { return s->form27; }
  const WindowState& window(WindowId id) { return p().window(id); }
  // Opens the dialog and asks for a text file at the path.
  void toFile(const std::string& path)
  {
    dialog().open();
    dialog().Check_Click(11, 1);
    dialog().Text1_Change(path);
  }

  test::ScriptedPrompter prompter;
  FakeDevices devices;
  std::unique_ptr<Session> s;
  test::TempFolder temp{"vorn-print", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
};

TEST_F(ReportDialog, PrintCommandOpensOverTheMainWindowAndCancelRestoresTheSnapshot)
{
  // State: tables 1 and 3 ticked, the report going to "a.txt".
  p().form27.Check[1].value = 1;
  p().form27.Check[3].value = 1;
  toFile("a.txt");
  dialog().OK_Click();
  ASSERT_TRUE(prompter.shown().empty());
  const Form27Controls before = p().form27;

  dialog().open();
  EXPECT_TRUE(window(WindowId::Form27).visible);
  EXPECT_FALSE(window(WindowId::form1).enabled);

  // Action: change everything, then CANCEL.
  dialog().Command1_Click();
  dialog().Check_Click(3, 0);
  dialog().Check_Click(11, 0);
  dialog().Text1_Change("");
  dialog().CANCEL_Click();

  // Expected: the ticks, the path and the state of the path box, BROWSE and OK as they were.
  EXPECT_EQ(p().form27, before);
  EXPECT_FALSE(window(WindowId::Form27).visible);
  EXPECT_TRUE(window(WindowId::form1).enabled);
  EXPECT_TRUE(window(WindowId::form1).visible);
}

TEST_F(ReportDialog, FrameCloseDoesWhatCancelDoes)
{
  dialog().open();
  dialog().Command1_Click();
  dialog().Form_QueryUnload();
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(p().form27.Check[k].value, 0);
  }
  EXPECT_FALSE(window(WindowId::Form27).visible);
  EXPECT_TRUE(window(WindowId::form1).enabled);
}

TEST_F(ReportDialog, PrintToTextFileOpensThePathBoxAndOkNeedsAPath)
{
  struct Case {
    int toFile;
    const char* path;
    bool pathOpen, okOpen;
  };
  for (const Case c : {Case{0, "", false, true}, Case{1, "", true, false},
                       Case{1, "r.txt", true, true}, Case{0, "r.txt", false, true}}) {
    SCOPED_TRACE(std::to_string(c.toFile) + " '" + c.path + "'");
    dialog().Text1_Change(c.path);
    dialog().Check_Click(11, c.toFile);
    EXPECT_EQ(p().form27.Text1.enabled, c.pathOpen);
    EXPECT_EQ(p().form27.Command3.enabled, c.pathOpen);
    EXPECT_EQ(p().form27.OK.enabled, c.okOpen);
  }
  // Typing a path into the open box opens OK, clearing it closes OK again.
  dialog().Check_Click(11, 1);
  dialog().Text1_Change("");
  ASSERT_FALSE(p().form27.OK.enabled);
  dialog().Text1_Change("x.txt");
  EXPECT_TRUE(p().form27.OK.enabled);
  dialog().Text1_Change("");
  EXPECT_FALSE(p().form27.OK.enabled);
}

TEST_F(ReportDialog, SelectAllAndDeselectAllSetTheTenTablesAvailableOrNot)
{
  dialog().Command1_Click();
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(p().form27.Check[k].value, 1) << k;
  }
  EXPECT_EQ(p().form27.Check[11].value, 0) << "the file choice is not a table";
  dialog().Check_Click(11, 1);
  dialog().Command2_Click();
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(p().form27.Check[k].value, 0) << k;
  }
  EXPECT_EQ(p().form27.Check[11].value, 1);
}

TEST_F(ReportDialog, BrowsePutsTheChosenFileIntoThePathBox)
{
  toFile("");
  ASSERT_FALSE(p().form27.OK.enabled);
  devices.chosen = "/home/user/report.txt";
  dialog().Command3_Click();
  ASSERT_EQ(devices.requests.size(), 1u);
  const SaveFileRequest& r = devices.requests[0];
  EXPECT_EQ(r.title, "select *.txt file for save");
  EXPECT_EQ(r.nameFilter, "text file (*.txt)");
  EXPECT_EQ(r.defaultSuffix, "txt");
  EXPECT_TRUE(r.confirmOverwrite);
  EXPECT_EQ(p().form27.Text1.text, "/home/user/report.txt");
  EXPECT_TRUE(p().form27.OK.enabled);

  // A cancelled dialog changes nothing.
  devices.chosen.reset();
  const Form27Controls before = p().form27;
  dialog().Command3_Click();
  EXPECT_EQ(p().form27, before);
}

TEST_F(ReportDialog, SaveDialogFilterTakesTheDescriptionAndPattern)
{
  EXPECT_EQ(dialogNameFilter("text file(*.txt)|*.txt"), "text file (*.txt)");
  EXPECT_EQ(dialogNameFilter("EQ files|*.EQ"), "EQ files (*.EQ)");
  EXPECT_EQ(dialogNameFilter("*.txt"), "*.txt");
}

TEST_F(ReportDialog, OkWithNoTableTickedWritesNothingAndOnlyCloses)
{
  toFile("r.txt");
  dialog().OK_Click();
  EXPECT_FALSE(fs::exists(folder / "r.txt"));
  EXPECT_FALSE(window(WindowId::Form27).visible);
  EXPECT_TRUE(window(WindowId::form1).enabled);
  EXPECT_FALSE(window(WindowId::Form28).visible);
  EXPECT_TRUE(devices.jobs.empty());

  dialog().open();
  dialog().Check_Click(11, 0);
  dialog().OK_Click();
  EXPECT_FALSE(fs::exists(folder / "printfile"));
  EXPECT_TRUE(devices.jobs.empty());
}

TEST_F(ReportDialog, OkToATextFileWritesWindows1256WithCrLfAndShowsTheReport)
{
  toFile("r.txt");
  dialog().Check_Click(1, 1);
  dialog().OK_Click();
  ASSERT_TRUE(prompter.shown().empty());

  const std::string bytes = slurp(folder / "r.txt");
  const std::string indent(18, ' ');
  // The rule line first, then the site line: "تهران" is CA E5 D1 C7 E4 in Windows-1256.
  const std::string rule = indent + std::string(92, '-') + "\r\n";
  ASSERT_EQ(bytes.substr(0, rule.size()), rule);
  const std::string tehran = "\xCA\xE5\xD1\xC7\xE4";
  EXPECT_NE(bytes.find("=" + tehran + "   " + tehran + "\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n" + indent + "A= .35("), std::string::npos);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 9);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 9);
  EXPECT_EQ(bytes.substr(bytes.size() - rule.size()), rule);

  // The output window shows the file's text and the main window is free.
  EXPECT_TRUE(window(WindowId::Form28).visible);
  EXPECT_FALSE(window(WindowId::Form27).visible);
  EXPECT_TRUE(window(WindowId::form1).enabled);
  const std::string& shown = p().form28.RichTextBox1;
  EXPECT_EQ(shown.substr(0, 18 + 92 + 1), indent + std::string(92, '-') + "\n");
  EXPECT_NE(shown.find("=تهران   تهران\n"), std::string::npos);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 9);
  EXPECT_EQ(shown.find('\r'), std::string::npos);
  EXPECT_TRUE(devices.jobs.empty()) << "nothing is printed";
}

TEST_F(ReportDialog, ANewReportReplacesTheWholeEarlierFile)
{
  toFile("r.txt");
  dialog().Command1_Click();
  for (int k = 1; k <= 10; ++k) {
    p().form27.Check[k].enabled = true;
  }
  dialog().OK_Click();
  const auto longSize = fs::file_size(folder / "r.txt");
  dialog().open();
  dialog().Command2_Click();
  dialog().Check_Click(1, 1);
  dialog().OK_Click();
  EXPECT_LT(fs::file_size(folder / "r.txt"), longSize);
  EXPECT_EQ(slurp(folder / "r.txt").find(std::string(39, '*')), std::string::npos);
}

TEST_F(ReportDialog, OkForPrintingWritesThePrintfileAndPrintsTheTextInLotus)
{
  dialog().open();
  dialog().Check_Click(1, 1);
  dialog().OK_Click();
  ASSERT_TRUE(fs::exists(folder / "printfile"));
  ASSERT_EQ(devices.jobs.size(), 1u);
  EXPECT_EQ(devices.jobs[0].fontName, "LOTUS");
  EXPECT_EQ(devices.jobs[0].pointSize, 10);
  EXPECT_EQ(devices.jobs[0].text, p().form28.RichTextBox1);
  EXPECT_NE(devices.jobs[0].text.find("A= .35("), std::string::npos);
  EXPECT_FALSE(window(WindowId::Form28).visible) << "printing does not show the window";
  EXPECT_FALSE(window(WindowId::Form27).visible);
  EXPECT_TRUE(window(WindowId::form1).enabled);
}

TEST_F(ReportDialog, CancelledOrFailedPrintingReturnsToTheDialogKeepingTheText)
{
  struct Case {
    PrintOutcome outcome;
    bool message;
  };
  for (const Case& c : {Case{{PrintOutcome::Status::Cancelled, {}}, false},
                        Case{{PrintOutcome::Status::Failed, "paper jam"}, true}}) {
    SCOPED_TRACE(c.message ? "failed" : "cancelled");
    prompter.clear();
    devices.outcome = c.outcome;
    dialog().open();
    dialog().Check_Click(1, 1);
    dialog().OK_Click();
    EXPECT_TRUE(window(WindowId::Form27).visible);
    EXPECT_FALSE(window(WindowId::form1).enabled);
    EXPECT_TRUE(window(WindowId::form1).visible);
    EXPECT_FALSE(window(WindowId::Form28).visible);
    EXPECT_NE(p().form28.RichTextBox1.find("A= .35("), std::string::npos);
    if (c.message) {
      ASSERT_EQ(prompter.shown().size(), 1u);
      EXPECT_EQ(prompter.shown()[0].text, "گزارش چاپ نشد: paper jam");
      EXPECT_EQ(prompter.shown()[0].title, "errore BOX");
    } else {
      EXPECT_TRUE(prompter.shown().empty());
    }
    dialog().CANCEL_Click();
  }
}

TEST_F(ReportDialog, AReportThatCannotBeWrittenIsReportedAndNotShown)
{
  p().form28.RichTextBox1 = "the last report";
  fs::create_directory(folder / "taken");
  for (const std::string path : {"no/such/folder/r.txt", "taken", ""}) {
    SCOPED_TRACE(path);
    prompter.clear();
    toFile(path);
    dialog().Check_Click(1, 1);
    dialog().OK_Click();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text.rfind("فايل گزارش \"" + path + "\" نوشته نشد: ", 0), 0u)
        << prompter.shown()[0].text;
    EXPECT_EQ(prompter.shown()[0].title, "errore BOX");
    // Back to the dialog, the output window not shown and still holding the last report.
    EXPECT_TRUE(window(WindowId::Form27).visible);
    EXPECT_FALSE(window(WindowId::form1).enabled);
    EXPECT_FALSE(window(WindowId::Form28).visible);
    EXPECT_EQ(p().form28.RichTextBox1, "the last report");
    dialog().CANCEL_Click();
  }
  // The folder that was in the way is untouched and no temporary file is left behind.
  EXPECT_TRUE(fs::is_directory(folder / "taken"));
  EXPECT_TRUE(fs::is_empty(folder / "taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(ReportDialog, NeitherTheProjectsFileNorADeviceOrPipeTakesTheReport)
{
  s->form26.MENSAVEAS_Click();
  s->form26.Text1_Change("P");
  s->form26.OK_Click();
  ASSERT_TRUE(p().HASFILE);
  const std::string project = slurp(folder / "P.EQ");
  fs::create_symlink("P.EQ", folder / "soft.txt");
  fs::create_hard_link(folder / "P.EQ", folder / "hard.txt");
  ASSERT_EQ(mkfifo((folder / "pipe.txt").c_str(), 0600), 0);

  const struct {
    std::string path;
    const char* reason;
  } cases[] = {{"P.EQ", file_texts::reportIsProject},
               {(folder / "P.EQ").string(), file_texts::reportIsProject},
               {"soft.txt", file_texts::reportIsProject},
               {"hard.txt", file_texts::reportIsProject},
               {"pipe.txt", file_texts::reportNotRegular},
               {"/dev/null", file_texts::reportNotRegular}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    prompter.clear();
    toFile(c.path);
    dialog().Check_Click(1, 1);
    dialog().OK_Click();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text,
              "فايل گزارش \"" + c.path + "\" نوشته نشد: " + std::string(c.reason));
    EXPECT_EQ(prompter.shown()[0].title, "errore BOX");
    EXPECT_TRUE(window(WindowId::Form27).visible);
    EXPECT_FALSE(window(WindowId::Form28).visible);
    dialog().CANCEL_Click();
  }
  EXPECT_TRUE(slurp(folder / "P.EQ") == project);
  EXPECT_TRUE(fs::is_symlink(folder / "soft.txt"));
  EXPECT_EQ(fs::hard_link_count(folder / "P.EQ"), 2u);
  EXPECT_TRUE(fs::is_fifo(folder / "pipe.txt"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  // Without a file of its own the project has nothing to protect.
  p().HASFILE = false;
  fs::remove(folder / "hard.txt");
  toFile("report.txt");
  dialog().Check_Click(1, 1);
  dialog().OK_Click();
  EXPECT_TRUE(window(WindowId::Form28).visible);
}

TEST_F(ReportDialog, ALineTheCodePageCannotHoldStopsTheReportBeforeAnyFile)
{
  // U+06CC (Persian yeh) has no place in Windows-1256.
  p().form21.List1.addItem("توصیه");
  p().form27.Check[7].enabled = true;
  toFile("r.txt");
  dialog().Check_Click(7, 1);
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_NE(prompter.shown()[0].text.find("توصیه"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "r.txt"));
  EXPECT_TRUE(window(WindowId::Form27).visible);
}

TEST_F(ReportDialog, WithoutAPlatformNothingIsChosenOrPrinted)
{
  s->form27.setDevices(nullptr);
  toFile("");
  dialog().Command3_Click();
  EXPECT_EQ(p().form27.Text1.text, "");
  dialog().Check_Click(11, 0);
  dialog().Check_Click(1, 1);
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text.rfind("گزارش چاپ نشد: ", 0), 0u);
  EXPECT_TRUE(window(WindowId::Form27).visible);
}

}  // namespace
}  // namespace vorn
