#include "views/report/form27_print_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>

#include "report_buildings.h"
#include "scripted_prompter.h"
#include "temp_folder.h"
#include "toolkit/application_view.h"
#include "toolkit/file_name_text_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "views/report/form28_output_view.h"
#include "views/report/report_printing_view.h"
#include "windows/report/form27_print.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Saves a picture of a window for a look, when VORN_SCREENSHOT_DIR names a folder.
void screenshot(QWidget& window, const char* name)
{
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    window.grab().save(QString::fromUtf8(dir) + "/" + name);
  }
}

// Runs `answer` on the next modal dialog once it is shown.
template <typename Dialog>
void whenModalShown(std::function<void(Dialog*)> answer, bool* seen)
{
  QTimer::singleShot(0, [answer, seen] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    *seen = dialog != nullptr;
    if (dialog) {
      answer(dialog);
    } else if (QWidget* other = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "another modal window: " << other->metaObject()->className();
      other->close();
    }
  });
}

// The user clicks a check box on its mark (on the right in a right-to-left window).
void clickCheck(QCheckBox* box)
{
  const int x = box->isRightToLeft() ? box->width() - 8 : 8;
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, box->height() / 2));
}

class ReportViews : public ::testing::Test {
protected:
  ReportViews() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  Form27View& dialog() { return *static_cast<Form27View*>(app.view(WindowId::Form27)); }
  Form28View& output() { return *static_cast<Form28View*>(app.view(WindowId::Form28)); }
  void openFromTheMenu()
  {
    QAction* print = main().findChild<QAction*>("MENPRINT");
    ASSERT_NE(print, nullptr);
    print->trigger();
    ASSERT_TRUE(dialog().isVisible());
  }
  // The regular building with every table offered, the main window in front.
  void completeBuilding()
  {
    app.run([this] { test::describeRegularBuilding(app.session()); });
    ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
  test::TempFolder temp{"vorn-printview", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
};

TEST_F(ReportViews, PrintMenuOpensTheDialogOverTheDisabledMainWindow)
{
  openFromTheMenu();
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(dialog().windowTitle(), "PRINT TABLES");
  for (int k = 1; k <= 11; ++k) {
    QString shown = dialog().check(k)->text();
    shown.remove(QChar(0x200E));  // the direction mark that keeps the colon in place
    EXPECT_EQ(shown.toStdString(), form27_texts::checks[k - 1]);
    EXPECT_EQ(dialog().check(k)->isEnabled(), k == 1 || k == 11) << k;
    EXPECT_FALSE(dialog().check(k)->isChecked());
  }
  EXPECT_FALSE(dialog().pathBox()->isEnabled());
  EXPECT_FALSE(dialog().browseButton()->isEnabled());
  EXPECT_TRUE(dialog().okButton()->isEnabled());
  EXPECT_EQ(dialog().findChild<QLabel*>("Label1_0")->text().toStdString(), "اطلاعات ورودي");
  EXPECT_EQ(dialog().findChild<QLabel*>("Label1_1")->text().toStdString(), "اطلاعات خروجي");

  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(ReportViews, TickingPrintToTextFileOpensThePathBoxAndOkWaitsForAPath)
{
  openFromTheMenu();
  clickCheck(dialog().check(11));
  EXPECT_TRUE(dialog().pathBox()->isEnabled());
  EXPECT_TRUE(dialog().browseButton()->isEnabled());
  EXPECT_FALSE(dialog().okButton()->isEnabled());
  QTest::keyClicks(dialog().pathBox(), "r.txt");
  EXPECT_EQ(app.project().form27.Text1.text, "r.txt");
  EXPECT_TRUE(dialog().okButton()->isEnabled());
  QTest::mouseClick(dialog().selectAllButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog().check(10)->isChecked());
  EXPECT_FALSE(dialog().check(10)->isEnabled());
  QTest::mouseClick(dialog().deselectAllButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog().check(1)->isChecked());
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  EXPECT_EQ(app.project().form27.Text1.text, "");
}

TEST_F(ReportViews, BrowseShowsTheSaveDialogAndTakesTheChosenName)
{
  openFromTheMenu();
  clickCheck(dialog().check(11));
  bool seen = false;
  const QString chosen = QString::fromStdString((folder / "chosen").string());
  whenModalShown<QFileDialog>(
      [chosen](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "select *.txt file for save");
        EXPECT_EQ(d->nameFilters(), QStringList{"text file (*.txt)"});
        EXPECT_EQ(d->defaultSuffix(), "txt");
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
        d->selectFile(chosen);
        static_cast<QDialog*>(d)->accept();
      },
      &seen);
  QTest::mouseClick(dialog().browseButton(), Qt::LeftButton);
  ASSERT_TRUE(seen);
  EXPECT_EQ(dialog().pathBox()->text(), chosen + ".txt");
  EXPECT_TRUE(dialog().okButton()->isEnabled());

  // Cancelling the save dialog changes nothing.
  whenModalShown<QFileDialog>([](QFileDialog* d) { d->reject(); }, &seen);
  QTest::mouseClick(dialog().browseButton(), Qt::LeftButton);
  ASSERT_TRUE(seen);
  EXPECT_EQ(dialog().pathBox()->text(), chosen + ".txt");
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
}

TEST_F(ReportViews, BrowseKeepsAFolderNameThatIsNotUtf8AndOkWritesTheReportThere)
{
  const fs::path sub = folder / "\xe3\xed\xd1";  // Windows-1256 bytes
  fs::create_directory(sub);
  openFromTheMenu();
  clickCheck(dialog().check(1));
  clickCheck(dialog().check(11));
  bool seen = false;
  // The dialog reads the folder's name lossily, as the user would pick it there.
  const QString chosen = QFile::decodeName(sub.c_str()) + "/r";
  whenModalShown<QFileDialog>(
      [chosen](QFileDialog* d) {
        d->selectFile(chosen);
        static_cast<QDialog*>(d)->accept();
      },
      &seen);
  QTest::mouseClick(dialog().browseButton(), Qt::LeftButton);
  ASSERT_TRUE(seen);
  const std::string path = (sub / "r.txt").string();
  EXPECT_EQ(app.project().form27.Text1.text, path);
  EXPECT_EQ(dialog().pathBox()->text(), fileNameText(path));
  // Edited in the box, the name keeps the folder's bytes.
  QTest::keyClick(dialog().pathBox(), Qt::Key_End);
  for (int k = 0; k < 5; ++k) {
    QTest::keyClick(dialog().pathBox(), Qt::Key_Backspace);
  }
  QTest::keyClicks(dialog().pathBox(), "s.txt");
  EXPECT_EQ(app.project().form27.Text1.text, (sub / "s.txt").string());
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  EXPECT_TRUE(fs::exists(sub / "s.txt"));
}

TEST_F(ReportViews, OkWritesTheFullReportAndTheOutputWindowShowsIt)
{
  completeBuilding();
  openFromTheMenu();
  QTest::mouseClick(dialog().selectAllButton(), Qt::LeftButton);
  clickCheck(dialog().check(11));
  QTest::keyClicks(dialog().pathBox(), "full.txt");
  screenshot(dialog(), "form27.png");
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;

  ASSERT_TRUE(output().isVisible());
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_EQ(output().windowTitle().toStdString(), "خروجي برنامه");
  QTextEdit* box = output().textBox();
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_TRUE(box->toPlainText().toStdString() == app.project().form28.RichTextBox1);
  EXPECT_GT(box->document()->blockCount(), 200);
  // Persian lines read right to left; the number rows of the spectrum left to right.
  bool persian = false, numbers = false;
  for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
    const QString text = b.text().trimmed();
    if (text.startsWith(QString::fromUtf8("اطلاعات ورودي"))) {
      persian = true;
      EXPECT_EQ(b.textDirection(), Qt::RightToLeft);
    }
    if (text.startsWith(".0") || text.startsWith(".1")) {
      numbers = true;
      EXPECT_EQ(b.textDirection(), Qt::LeftToRight) << text.toStdString();
    }
  }
  EXPECT_TRUE(persian);
  EXPECT_TRUE(numbers);
  screenshot(output(), "form28.png");
  // The report file holds what the window shows.
  const std::string shown = app.project().form28.RichTextBox1;
  const std::string file = slurp(folder / "full.txt");
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'),
            std::count(file.begin(), file.end(), '\n'));
}

TEST_F(ReportViews, CancelledPrinterDialogReturnsToTheReportDialog)
{
  openFromTheMenu();
  clickCheck(dialog().check(1));
  ASSERT_EQ(app.project().form27.Check[1].value, 1);
  bool seen = false;
  whenModalShown<QPrintDialog>([](QPrintDialog* d) { d->reject(); }, &seen);
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  ASSERT_TRUE(seen) << "the printer dialog was shown";
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_FALSE(output().isVisible());
  EXPECT_TRUE(fs::exists(folder / "printfile"));
  EXPECT_NE(output().textBox()->toPlainText().indexOf("A= .35("), -1)
      << "the report stays in the output window";
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(ReportViews, TheReportDialogMakesWayForThePrinterDialogOverTheMainWindow)
{
  openFromTheMenu();
  clickCheck(dialog().check(1));
  bool seen = false, dialogShown = true;
  QWidget* over = nullptr;
  whenModalShown<QPrintDialog>(
      [&](QPrintDialog* d) {
        dialogShown = dialog().isVisible();
        over = d->parentWidget();
        d->reject();
      },
      &seen);
  QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
  ASSERT_TRUE(seen);
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(over, &main());
  QTest::mouseClick(dialog().cancelButton(), Qt::LeftButton);
}

// ---- Printing on a PDF printer, without the dialog ----------------------------------------------

struct PdfFacts {
  int pages = 0;
  bool landscape = false;
};

PdfFacts pdfFacts(const std::string& pdf)
{
  PdfFacts facts;
  const std::regex page(R"(/Type\s*/Page[^s])");
  facts.pages = static_cast<int>(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
  std::smatch box;
  const std::regex mediaBox(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
  if (std::regex_search(pdf, box, mediaBox)) {
    facts.landscape = std::stod(box[1]) > std::stod(box[2]);
  }
  return facts;
}

TEST_F(ReportViews, PrintingOnAPdfPrinterGivesTheReportPagesWithCopiesAndOrientation)
{
  completeBuilding();
  app.run([this] {
    test::tickEverything(app.session(), "full.txt");
    app.session().form27.OK_Click();
  });
  const std::string text = app.project().form28.RichTextBox1;
  ASSERT_GT(text.size(), 1000u);
  const PrintJob job{text, "LOTUS", 10};

  struct Case {
    int copies;
    QPageLayout::Orientation orientation;
    const char* name;
  };
  int onePortrait = 0;
  for (const Case c :
       {Case{1, QPageLayout::Portrait, "report.pdf"}, Case{2, QPageLayout::Portrait, "two.pdf"},
        Case{1, QPageLayout::Landscape, "landscape.pdf"}}) {
    SCOPED_TRACE(c.name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((folder / c.name).string()));
    printer.setCopyCount(c.copies);
    printer.setPageOrientation(c.orientation);
    const PrintOutcome outcome = printReportText(printer, job);
    ASSERT_EQ(outcome.status, PrintOutcome::Status::Printed) << outcome.reason;
    const std::string pdf = slurp(folder / c.name);
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    const PdfFacts facts = pdfFacts(pdf);
    EXPECT_EQ(facts.landscape, c.orientation == QPageLayout::Landscape);
    if (c.copies == 1 && c.orientation == QPageLayout::Portrait) {
      onePortrait = facts.pages;
      EXPECT_GT(facts.pages, 3);
      if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
        fs::copy_file(folder / c.name, fs::path(dir) / "report.pdf",
                      fs::copy_options::overwrite_existing);
      }
    } else if (c.copies == 2) {
      EXPECT_EQ(facts.pages, 2 * onePortrait);
    }
  }
}

TEST_F(ReportViews, APrinterThatCannotStartIsAFailure)
{
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((folder / "no/such/folder/r.pdf").string()));
  const PrintOutcome outcome = printReportText(printer, PrintJob{"line\n", "LOTUS", 10});
  EXPECT_EQ(outcome.status, PrintOutcome::Status::Failed);
  EXPECT_EQ(outcome.reason, form27_texts::printerNotStarted);
}

TEST_F(ReportViews, MissingLotusFallsBackToAPersianFont)
{
  const QFont font = reportPrinterFont("LOTUS", 10);
  EXPECT_EQ(font.pointSize(), 10);
  const QFontInfo used(font);
  EXPECT_TRUE(QFontDatabase::families(QFontDatabase::Arabic).contains(used.family()))
      << used.family().toStdString();
}

}  // namespace
}  // namespace vorn
