#include "toolkit/qt_translation_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <cstdlib>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "toolkit/window_view.h"
#include "views/main/all_windows_view.h"

namespace vorn {
namespace {

bool isPersian(const QString& text)
{
  for (const QChar c : text) {
    if (c.direction() == QChar::DirAL) {
      return true;
    }
  }
  return false;
}

// Saves a picture of a dialog for a look, when VORN_SCREENSHOT_DIR names a folder.
void saveForALook(QWidget& dialog, const char* name)
{
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    dialog.grab().save(QString::fromUtf8(dir) + "/" + name);
  }
}

class QtTranslation : public ::testing::Test {
protected:
  void SetUp() override
  {
    const QString file = qtTranslationFolder() + "/" + kQtTranslation + ".qm";
    if (!QFile::exists(file)) {
      GTEST_SKIP()
          << file.toStdString()
          << " is missing (Debian package qt6-translations-l10n): Qt's dialogs stay English";
    }
  }
};

TEST_F(QtTranslation, TheProgramsStartMakesQtsButtonsPersianAndKeepsOurOwn)
{
  // applyProgramLook, at the start of the program and of these tests, has installed it
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  EXPECT_TRUE(installQtTranslation());
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_TRUE(isPersian(buttons.button(QDialogButtonBox::Cancel)->text()));
  EXPECT_TRUE(isPersian(buttons.button(QDialogButtonBox::Ok)->text()));
  QMessageBox box(QMessageBox::Question, "", "?", QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(isPersian(box.button(QMessageBox::Yes)->text()));
  EXPECT_TRUE(isPersian(box.button(QMessageBox::No)->text()));

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
  createAllWindows(app);
  const QWidget* site = app.view(WindowId::Form2);
  EXPECT_EQ(site->findChild<QPushButton*>("OK")->text(), "OK");
  EXPECT_EQ(site->findChild<QPushButton*>("CANCEL")->text(), "CANCEL");
}

TEST_F(QtTranslation, FileAndPrinterDialogsSpeakPersianWithTheirPathsLeftToRight)
{
  QFileDialog files(nullptr, "");
  files.setOption(QFileDialog::DontUseNativeDialog);
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.show();
  EXPECT_EQ(files.layoutDirection(), Qt::RightToLeft);
  auto* name = files.findChild<QLineEdit*>("fileNameEdit");
  auto* folder = files.findChild<QComboBox*>("lookInCombo");
  ASSERT_NE(name, nullptr);
  ASSERT_NE(folder, nullptr);
  EXPECT_EQ(name->layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(folder->layoutDirection(), Qt::LeftToRight);
  const auto* accept = files.findChild<QDialogButtonBox*>("buttonBox");
  ASSERT_NE(accept, nullptr);
  EXPECT_TRUE(isPersian(accept->buttons().front()->text()));
  name->setText("/tmp/plot.png");
  saveForALook(files, "qt-file-dialog.png");
  files.close();

  QPrinter printer;
  QPrintDialog print(&printer);
  print.show();
  auto* output = print.findChild<QLineEdit*>("filename");
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->layoutDirection(), Qt::LeftToRight);
  EXPECT_TRUE(isPersian(print.windowTitle()));
  saveForALook(print, "qt-print-dialog.png");
  print.close();
}

}  // namespace
}  // namespace vorn
