#include "windows/files/form26_file_dialog.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fileformat/file_texts.h"
#include "fileformat/project_file.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

class FileDialogTest : public ::testing::Test {
protected:
  FileDialogTest()
  {
    fs::create_directory(other);
    s = std::make_unique<Session>(prompter);
  }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form26& dialog() { return s->form26; }
  Project& p() { return s->project; }
  void type(const std::string& name) { dialog().Text1_Change(name); }
  void touch(const fs::path& path) { std::ofstream(path) << "x"; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s;
  // The dialog starts in the program's own folder.
  test::TempFolder temp{"vorn-dialog", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
  const fs::path other = folder / "other";
};

TEST_F(FileDialogTest, NamesGetTheExtensionOnlyWhenTheyLackItExactly)
{
  type("PROJ");
  EXPECT_EQ(dialog().composedPath(), (folder / "PROJ.EQ").string());
  type("PROJ.EQ");
  EXPECT_EQ(dialog().composedPath(), (folder / "PROJ.EQ").string());
  type("proj.eq");
  EXPECT_EQ(dialog().composedPath(), (folder / "proj.eq.EQ").string());
  dialog().Dir1_Change("/");
  type("x.EQ");
  EXPECT_EQ(dialog().composedPath(), "/x.EQ");  // no doubled separator after the root
}

TEST_F(FileDialogTest, SaveWithoutAFileIsSaveAsThenSaveWritesAgainWithoutAsking)
{
  p().form1.Command[9].enabled = true;
  dialog().MENSAVE_Click();
  EXPECT_TRUE(p().window(WindowId::Form26).visible);
  EXPECT_EQ(p().window(WindowId::Form26).caption, "SAVEAS...");
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().ButtonState[9]) << "the button states are recorded for the file";
  type("B1");
  dialog().OK_Click();
  ASSERT_TRUE(fs::exists(folder / "B1.EQ"));
  EXPECT_TRUE(p().HASFILE);
  EXPECT_FALSE(p().window(WindowId::Form26).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(p().window(WindowId::form1).caption, "VORN   ");

  p().AR[1] = 321;
  dialog().MENSAVE_Click();  // no dialog, no question
  EXPECT_FALSE(p().window(WindowId::Form26).visible);
  EXPECT_TRUE(prompter.shown().empty());
  const auto read = readProjectFile((folder / "B1.EQ").string());
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.lines[82], " 321");
}

TEST_F(FileDialogTest, NoToOverwriteWritesNothingButClosesAsAfterASave)
{
  touch(folder / "OLD.EQ");
  dialog().MENSAVEAS_Click();
  type("OLD");
  prompter.answer(false);
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].title, "WARNING BOX");
  EXPECT_EQ(fs::file_size(folder / "OLD.EQ"), 1u);
  EXPECT_FALSE(p().window(WindowId::Form26).visible);
  EXPECT_TRUE(p().HASFILE);
}

TEST_F(FileDialogTest, EmptyNameAndMissingFileKeepTheDialogOpen)
{
  dialog().MENSAVEAS_Click();
  dialog().OK_Click();
  dialog().MENOPEN_Click();
  dialog().OK_Click();
  type("NOPE");
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 3u);
  EXPECT_EQ(prompter.shown()[0].text, form26_texts::emptyNameOnSave);
  EXPECT_EQ(prompter.shown()[1].text, "PLEASE ENTER AN ACCEPTABLE NAME FOR FILE");
  EXPECT_EQ(prompter.shown()[2].title, "errore BOX");
  EXPECT_TRUE(p().window(WindowId::Form26).visible);
  EXPECT_FALSE(dialog().errore) << "OK clears the flag it read";
  EXPECT_FALSE(p().HASFILE);
}

TEST_F(FileDialogTest, ARefusedFileChangesNothingAndAsksNothing)
{
  std::ofstream(folder / "BAD.EQ") << " True\r\n";
  p().N = 4;
  p().AR[2] = 55;
  const auto before = std::make_unique<Project>(p());
  dialog().MENOPEN_Click();
  type("BAD");
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_NE(prompter.shown()[0].text.find("BAD.EQ"), std::string::npos);
  EXPECT_TRUE(p().window(WindowId::Form26).visible);
  p().window(WindowId::Form26) = before->window(WindowId::Form26);
  p().window(WindowId::form1) = before->window(WindowId::form1);
  EXPECT_EQ(p().AR, before->AR);
  EXPECT_EQ(p().N, 4);
  EXPECT_EQ(projectFileLines(p()), projectFileLines(*before));
}

TEST_F(FileDialogTest, SavingKeepsLinksAndRefusesAWriteProtectedFile)
{
  // Through a link into another folder: the file there is written and the link stays.
  std::ofstream(other / "REAL.EQ") << "old";
  fs::create_symlink(other / "REAL.EQ", folder / "LINK.EQ");
  dialog().MENSAVEAS_Click();
  type("LINK");
  prompter.answer(true);  // the file exists: rebuild it
  dialog().OK_Click();
  EXPECT_TRUE(fs::is_symlink(folder / "LINK.EQ"));
  EXPECT_TRUE(readProjectFile((other / "REAL.EQ").string()).ok());
  EXPECT_TRUE(p().HASFILE);

  // A write-protected file is not replaced, whoever runs the program.
  p().HASFILE = false;
  std::ofstream(folder / "OLD.EQ") << "old";
  fs::permissions(folder / "OLD.EQ", fs::perms::owner_read | fs::perms::group_read);
  prompter.clear();
  dialog().MENSAVEAS_Click();
  type("OLD");
  prompter.answer(true);
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 2u);
  EXPECT_EQ(prompter.shown()[1].title, "errore BOX");
  EXPECT_NE(prompter.shown()[1].text.find((folder / "OLD.EQ").string()), std::string::npos);
  EXPECT_NE(prompter.shown()[1].text.find(file_texts::writeProtected), std::string::npos);
  EXPECT_TRUE(p().window(WindowId::Form26).visible) << "the dialog stays open";
  EXPECT_FALSE(p().HASFILE);
  std::ifstream old(folder / "OLD.EQ");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");
  dialog().CANCEL_Click();
}

TEST_F(FileDialogTest, OpeningTellsAMissingFileFromOneThatCannotBeRead)
{
  fs::create_symlink("LOOP2.EQ", folder / "LOOP1.EQ");
  fs::create_symlink("LOOP1.EQ", folder / "LOOP2.EQ");
  dialog().MENOPEN_Click();
  type("NOPE");
  dialog().OK_Click();
  type("LOOP1");
  dialog().OK_Click();
  ASSERT_EQ(prompter.shown().size(), 2u);
  EXPECT_EQ(prompter.shown()[0].text, form26_texts::missingFile);
  EXPECT_EQ(prompter.shown()[0].title, "errore BOX");
  EXPECT_NE(prompter.shown()[1].text.find(std::strerror(ELOOP)), std::string::npos)
      << prompter.shown()[1].text;
  EXPECT_EQ(prompter.shown()[1].title, "errore BOX");
  EXPECT_TRUE(p().window(WindowId::Form26).visible);
  dialog().CANCEL_Click();
}

TEST_F(FileDialogTest, CancelRestoresFolderDriveAndName)
{
  type("FIRST");
  dialog().MENSAVEAS_Click();
  dialog().OK_Click();
  dialog().MENSAVEAS_Click();
  dialog().Dir1_Change(other.string());
  type("SECOND");
  dialog().CANCEL_Click();
  EXPECT_EQ(dialog().controls().fileFolder, folder.string());
  EXPECT_EQ(dialog().controls().dir, folder.string());
  EXPECT_EQ(dialog().controls().Text1.text, "FIRST");
  dialog().MENSAVE_Click();  // writes to the earlier path
  EXPECT_FALSE(fs::exists(other / "SECOND.EQ"));
  EXPECT_TRUE(fs::exists(folder / "FIRST.EQ"));
}

TEST_F(FileDialogTest, TypeListAndFileClick)
{
  touch(folder / "a.EQ");
  touch(folder / "b.txt");
  touch(folder / "c.eq");
  dialog().MENOPEN_Click();
  EXPECT_EQ(dialog().controls().files, (std::vector<std::string>{"a.EQ", "c.eq"}));
  dialog().Combo1_Click(1);
  EXPECT_EQ(dialog().controls().files, (std::vector<std::string>{"a.EQ", "b.txt", "c.eq"}));
  dialog().Combo1_Click(0);
  EXPECT_EQ(dialog().controls().files.size(), 2u);
  dialog().File1_Click(1);
  EXPECT_EQ(dialog().controls().Text1.text, "c.eq");
  EXPECT_EQ(dialog().composedPath(), (folder / "c.eq.EQ").string());
  dialog().CANCEL_Click();
}

}  // namespace
}  // namespace vorn
