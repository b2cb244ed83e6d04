#include "views/files/form26_file_dialog_view.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>

#include "fileformat/project_file.h"
#include "scripted_prompter.h"
#include "temp_folder.h"
#include "toolkit/application_view.h"
#include "toolkit/file_name_text_view.h"
#include "views/main/all_windows_view.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/files/open_at_start.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

class FileDialogView : public ::testing::Test {
protected:
  FileDialogView()
  {
    app = std::make_unique<ViewApplication>(prompter);
    createAllWindows(*app);
  }
  Form26View& dialog() { return *static_cast<Form26View*>(app->view(WindowId::Form26)); }

  test::ScriptedPrompter prompter;
  test::TempFolder temp{"vorn-dialog-view", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
  std::unique_ptr<ViewApplication> app;  // closed before the folder goes
};

TEST_F(FileDialogView, SaveAsTypedNameThenOpenItByClickingTheFile)
{
  // State: a new project; Save As from the menu.
  app->run([this] { app->session().form26.MENSAVEAS_Click(); });
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_EQ(dialog().windowTitle(), "SAVEAS...");
  // Action: type a name and press OK.
  QTest::keyClicks(dialog().nameBox(), "HOUSE");
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  // Expected: the file exists, the dialog is gone and the main window says the project has a file.
  EXPECT_TRUE(fs::exists(folder / "HOUSE.EQ"));
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(app->view(WindowId::form1)->windowTitle(), "VORN   ");

  app->run([this] { app->session().form26.MENOPEN_Click(); });
  EXPECT_EQ(dialog().windowTitle(), "open as...");
  const auto found = dialog().fileList()->findItems("HOUSE.EQ", Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  dialog().fileList()->setCurrentItem(found.front());
  QTest::mouseClick(dialog().fileList()->viewport(), Qt::LeftButton, {},
                    dialog().fileList()->visualItemRect(found.front()).center());
  EXPECT_EQ(dialog().nameBox()->text(), "HOUSE.EQ");
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(prompter.shown().empty());
}

// Folders and files whose names are Windows-1256 bytes, not UTF-8.
class FileDialogNonUtf8Names : public FileDialogView {
protected:
  FileDialogNonUtf8Names()
  {
    fs::create_directory(folder / sub);
    for (const auto& [path, height] :
         {std::pair{folder / name, 23.5}, {folder / sub / name, 17.0}}) {
      test::ScriptedPrompter quiet;
      Session earlier(quiet);
      earlier.project.H1 = height;
      EXPECT_FALSE(writeProjectFile(earlier.project, path.string()));
    }
    // The program starts in the folder that holds them.
    app.reset();
    app = std::make_unique<ViewApplication>(prompter);
    createAllWindows(*app);
  }
  void clickFile(const std::string& bytes)
  {
    const auto found = dialog().fileList()->findItems(fileNameText(bytes), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(dialog().fileList()->viewport(), Qt::LeftButton, {},
                      dialog().fileList()->visualItemRect(found.front()).center());
  }

  const std::string name = "\xf8\xd1\xe6\xe5.EQ";
  const std::string sub = "\xe3\xed\xd1";
};

TEST_F(FileDialogNonUtf8Names, AreListedEnteredAndOpenedByTheirBytes)
{
  app->run([this] { app->session().form26.MENOPEN_Click(); });
  clickFile(name);
  EXPECT_EQ(app->session().form26.controls().Text1.text, name);
  EXPECT_EQ(dialog().nameBox()->text(), fileNameText(name));
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  EXPECT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  EXPECT_EQ(app->project().H1, 23.5);

  app->run([this] { app->session().form26.MENOPEN_Click(); });
  const auto found =
      dialog().folderList()->findItems(fileNameText((folder / sub).string()), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  dialog().folderList()->setCurrentItem(found.front());
  QTest::keyClick(dialog().folderList(), Qt::Key_Return);
  EXPECT_EQ(app->session().form26.controls().dir, (folder / sub).string());
  clickFile(name);
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  EXPECT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  EXPECT_EQ(app->project().H1, 17);
}

TEST_F(FileDialogNonUtf8Names, OneNamedOnTheCommandLineOpensAndSavesBackToItsBytes)
{
  std::string path = (folder / sub / name).string();
  char program[] = "vorn";
  char* argv[] = {program, path.data(), nullptr};
  const std::string argument = projectFileArgument(2, argv).value();
  app->run([this, &argument] { openProjectAtStart(app->session(), argument); });
  EXPECT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  EXPECT_EQ(app->project().H1, 17);
  EXPECT_EQ(app->session().form26.composedPath(), path);
}

}  // namespace
}  // namespace vorn
