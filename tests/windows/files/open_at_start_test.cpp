#include "windows/files/open_at_start.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fileformat/project_file.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "windows/files/form26_file_dialog.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;
namespace t26 = form26_texts;

class OpenAtStart : public ::testing::Test {
protected:
  OpenAtStart()
  {
    // A project saved by an earlier session: a 23.5 m building of soil type 3.
    test::ScriptedPrompter quiet;
    Session earlier(quiet);
    earlier.project.H1 = 23.5;
    earlier.project.TS = 0.7;
    saved = folder / "tower.EQ";
    EXPECT_FALSE(writeProjectFile(earlier.project, saved.string()));
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  // The project as the program starts, before any file: nothing of the saved one.
  void expectUntouched()
  {
    EXPECT_EQ(p().H1, 3);
    EXPECT_EQ(p().TS, 0.4);
    EXPECT_FALSE(p().HASFILE);
    EXPECT_EQ(p().window(WindowId::form1).caption, startCaption);
  }
  void expectOneMessage(const std::string& text, const std::string& title)
  {
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].kind, test::ScriptedPrompter::Kind::Message);
    EXPECT_EQ(prompter.shown()[0].text, text);
    EXPECT_EQ(prompter.shown()[0].title, title);
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
  std::string startCaption = s->project.window(WindowId::form1).caption;
  test::TempFolder temp{"vorn-start"};
  const fs::path folder = temp.path();
  fs::path saved;
};

TEST_F(OpenAtStart, OpensTheFileAndLeavesSaveWritingItBackWithoutAsking)
{
  ASSERT_TRUE(openProjectAtStart(*s, saved.string()));
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(p().H1, 23.5);
  EXPECT_EQ(p().TS, 0.7);
  EXPECT_TRUE(p().HASFILE);
  EXPECT_EQ(p().window(WindowId::form1).caption, t26::savedMainCaption);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(s->form26.composedPath(), saved.string());
  EXPECT_EQ(s->form26.controls().Text1.text, "tower.EQ");

  // Save writes the changed project over the same file, without the dialog.
  p().H1 = 31;
  s->form26.MENSAVE_Click();
  EXPECT_FALSE(p().window(WindowId::Form26).visible);
  const ProjectFileRead again = readProjectFile(saved.string());
  ASSERT_TRUE(again.ok()) << again.error;
  test::ScriptedPrompter quiet;
  Session later(quiet);
  ASSERT_TRUE(openProjectAtStart(later, saved.string()));
  EXPECT_EQ(later.project.H1, 31);
}

TEST_F(OpenAtStart, ARelativePathIsTakenFromTheCurrentFolder)
{
  const fs::path relative = fs::relative(saved, fs::current_path());
  ASSERT_TRUE(relative.is_relative());
  ASSERT_TRUE(openProjectAtStart(*s, relative.string()));
  EXPECT_EQ(p().H1, 23.5);
  EXPECT_EQ(s->form26.composedPath(), saved.string());
  EXPECT_EQ(s->form26.controls().fileFolder, folder.string());
}

TEST_F(OpenAtStart, AMissingFileIsReportedAsTheOpenCommandReportsIt)
{
  EXPECT_FALSE(openProjectAtStart(*s, (folder / "absent.EQ").string()));
  expectOneMessage(t26::missingFile, t26::errorTitle);
  expectUntouched();
}

TEST_F(OpenAtStart, AnEmptyNameIsReportedAsTheOpenCommandReportsIt)
{
  EXPECT_FALSE(openProjectAtStart(*s, ""));
  expectOneMessage(t26::emptyNameOnOpen, kProgramTitle);
  expectUntouched();
}

TEST_F(OpenAtStart, ARefusedFileIsReportedWithItsReasonAndChangesNothing)
{
  const fs::path damaged = folder / "damaged.EQ";
  std::ofstream(damaged) << " 1\r\n 2\r\n";
  const std::string reason = readProjectFile(damaged.string()).error;
  ASSERT_FALSE(reason.empty());

  EXPECT_FALSE(openProjectAtStart(*s, damaged.string()));
  expectOneMessage(reason, t26::errorTitle);
  expectUntouched();

  // A folder is refused the same way.
  prompter.clear();
  EXPECT_FALSE(openProjectAtStart(*s, folder.string()));
  expectOneMessage(readProjectFile(folder.string()).error, t26::errorTitle);
  expectUntouched();
}

TEST_F(OpenAtStart, ANameThatSaveWouldNotWriteBackLeavesTheProjectWithoutAFile)
{
  // Save adds ".EQ" to "tower.eq": it would write another file. The first Save asks instead,
  // with the folder and the name in the dialog.
  const fs::path lower = folder / "tower.eq";
  fs::rename(saved, lower);
  ASSERT_TRUE(openProjectAtStart(*s, lower.string()));
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(p().H1, 23.5);
  EXPECT_FALSE(p().HASFILE);
  EXPECT_EQ(p().window(WindowId::form1).caption, startCaption);

  s->form26.MENSAVE_Click();
  EXPECT_TRUE(p().window(WindowId::Form26).visible);
  EXPECT_EQ(p().window(WindowId::Form26).caption, t26::saveCaption);
  EXPECT_EQ(s->form26.controls().fileFolder, folder.string());
  EXPECT_EQ(s->form26.controls().Text1.text, "tower.eq");
}

}  // namespace
}  // namespace vorn
