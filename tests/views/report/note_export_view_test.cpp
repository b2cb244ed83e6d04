#include "views/report/note_export_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "fileformat/project_file.h"
#include "main_window_driver.h"
#include "report_buildings.h"
#include "scripted_prompter.h"
#include "temp_folder.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "windows/report/report_file.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The dialog with the file and the preview answered by the test.
class ScriptedNoteDialog : public NoteExportDialog {
public:
  using NoteExportDialog::NoteExportDialog;
  std::optional<std::string> file;
  std::vector<NoteDocument> previews;

protected:
  std::optional<std::string> chooseFile() override { return file; }
  void showPreview(const NoteDocument& note) override { previews.push_back(note); }
};

class NoteExportViews : public ::testing::Test {
protected:
  NoteExportViews() { createAllWindows(app); }
  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
  test::TempFolder temp{"vorn-noteview", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
};

TEST_F(NoteExportViews, TheFileMenuOffersNoteAndWorkbookAfterPrintOnceATableIsTicked)
{
  QMenu* file = main().findChild<QMenu*>("menfile");
  ASSERT_NE(file, nullptr);
  std::vector<std::string> names;
  std::set<QKeySequence> shortcuts;
  for (QAction* a : file->actions()) {
    names.push_back(a->objectName().toStdString());
    if (!a->shortcut().isEmpty()) {
      EXPECT_TRUE(shortcuts.insert(a->shortcut()).second) << a->objectName().toStdString();
    }
  }
  EXPECT_EQ(names, (std::vector<std::string>{"MENNEW", "MENOPEN", "MENSAVE", "MENSAVEAS",
                                             "MENPRINT", "MENNOTE", "MENWORKBOOK", "MENEXIT"}));
  EXPECT_EQ(main().noteItem()->text().toStdString(), note_texts::menuNote);
  EXPECT_EQ(main().workbookItem()->text().toStdString(), note_texts::menuWorkbook);

  // A new project ticks no table: there is nothing to typeset.
  EXPECT_FALSE(main().noteItem()->isEnabled());
  EXPECT_FALSE(main().workbookItem()->isEnabled());
  app.run([this] { app.project().form27.Check[1].value = 1; });
  EXPECT_TRUE(main().noteItem()->isEnabled());
  EXPECT_TRUE(main().workbookItem()->isEnabled());
  // A ticked table whose data do not exist is no table of the report.
  app.run([this] {
    app.project().form27.Check[1].value = 0;
    app.project().form27.Check[6].value = 1;
  });
  EXPECT_FALSE(main().noteItem()->isEnabled());
}

TEST_F(NoteExportViews, TheTitleBlockIsRememberedBetweenRunsAndNeverInTheProject)
{
  app.run([this] {
    test::describeRegularBuilding(app.session());
    test::tickEverything(app.session(), "unused.txt");
  });
  ASSERT_FALSE(writeProjectFile(app.project(), (folder / "before.EQ").string()).has_value());
  {
    ScriptedNoteDialog dialog(app, &main());
    EXPECT_TRUE(dialog.projectTitleBox()->text().isEmpty());
    dialog.projectTitleBox()->setText(QString::fromUtf8(" برج آزادي"));
    QTest::keyClicks(dialog.engineerBox(), "S. Karimi ");
    QTest::mouseClick(dialog.previewButton(), Qt::LeftButton);
    ASSERT_EQ(dialog.previews.size(), 1u);
    const NoteDocument& note = dialog.previews[0];
    EXPECT_EQ(note.title.projectTitle, "برج آزادي");
    EXPECT_EQ(note.title.engineer, "S. Karimi");
    EXPECT_EQ(note.title.organisation, "");
    EXPECT_EQ(note.sections.size(), 10u);
  }
  ScriptedNoteDialog again(app, &main());
  EXPECT_EQ(again.projectTitleBox()->text().toStdString(), "برج آزادي");
  EXPECT_EQ(again.engineerBox()->text().toStdString(), "S. Karimi");
  ASSERT_FALSE(writeProjectFile(app.project(), (folder / "after.EQ").string()).has_value());
  EXPECT_TRUE(slurp(folder / "before.EQ") == slurp(folder / "after.EQ"));
}

TEST_F(NoteExportViews, SavingOverTheProjectIsRefusedWithAMessageAndTheDialogStays)
{
  app.run([this] {
    test::describeRegularBuilding(app.session());
    test::tickEverything(app.session(), "unused.txt");
    test::saveProjectAs(app.session(), folder.string(), "P");
  });
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  const std::string project = slurp(folder / "P.EQ");
  ASSERT_FALSE(project.empty());
  fs::create_symlink("P.EQ", folder / "link.pdf");

  ScriptedNoteDialog dialog(app, &main());
  for (const fs::path& target : {folder / "P.EQ", folder / "link.pdf"}) {
    prompter.clear();
    dialog.file = target.string();
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    ASSERT_EQ(prompter.shown().size(), 1u) << target;
    EXPECT_EQ(prompter.shown()[0].title, report_file_texts::errorTitle);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
  }
  EXPECT_TRUE(slurp(folder / "P.EQ") == project);
  EXPECT_TRUE(fs::is_symlink(folder / "link.pdf"));
}

TEST_F(NoteExportViews, SaveWritesANewPdfAndLeavesAWriteProtectedOneAsItWas)
{
  app.run([this] {
    test::describeIrregularBuilding(app.session());
    test::tickEverything(app.session(), "unused.txt");
  });
  {
    std::ofstream(folder / "kept.pdf") << "an earlier note";
  }
  fs::permissions(folder / "kept.pdf", fs::perms::owner_read | fs::perms::group_read);

  ScriptedNoteDialog refused(app, &main());
  refused.file = (folder / "kept.pdf").string();
  QTest::mouseClick(refused.saveButton(), Qt::LeftButton);
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_NE(refused.result(), QDialog::Accepted);
  EXPECT_EQ(slurp(folder / "kept.pdf"), "an earlier note");

  prompter.clear();
  ScriptedNoteDialog saved(app, &main());
  saved.file = (folder / "note.pdf").string();
  QTest::mouseClick(saved.saveButton(), Qt::LeftButton);
  EXPECT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  EXPECT_EQ(saved.result(), QDialog::Accepted);
  EXPECT_EQ(slurp(folder / "note.pdf").substr(0, 5), "%PDF-");
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_NE(entry.path().filename().string().rfind(".vorn-", 0), 0u) << entry.path();
  }
}

}  // namespace
}  // namespace vorn
