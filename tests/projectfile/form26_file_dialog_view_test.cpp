#include "projectfile/form26_file_dialog_view.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>

#include "mainwindow/all_windows_view.h"
#include "mainwindow/application_view.h"
#include "scripted_prompter.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

class FileDialogView : public ::testing::Test {
protected:
  FileDialogView()
  {
    std::string pattern = (fs::temp_directory_path() / "vorn-dialog-view-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    previous = fs::current_path();
    fs::current_path(folder);
    app = std::make_unique<ViewApplication>(prompter);
    createAllWindows(*app);
  }
  ~FileDialogView() override
  {
    app.reset();
    fs::current_path(previous);
    fs::remove_all(folder);
  }
  Form26View& dialog() { return *static_cast<Form26View*>(app->view(WindowId::Form26)); }

  test::ScriptedPrompter prompter;
  fs::path folder, previous;
  std::unique_ptr<ViewApplication> app;
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

}  // namespace
}  // namespace vorn
