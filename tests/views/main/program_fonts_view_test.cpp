#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <string>

#include "views/main/all_windows_view.h"
#include "views/report/report_printing_view.h"

namespace vorn {
namespace {

// The families the program asks for by name are installed, and Qt draws in them rather than in
// a font it falls back on (which may lack the Persian letters).
TEST(ProgramFonts, TheFirstFamilyOfTheProgramAndReportFontsIsInstalledAndUsed)
{
  const QStringList installed = QFontDatabase::families();
  const std::string program = kProgramFontFamilies[0];
  const std::string report = kReportFontFamilies[0];
  EXPECT_TRUE(installed.contains(QString::fromStdString(program))) << program;
  EXPECT_TRUE(installed.contains(QString::fromStdString(report))) << report;

  // The test main applies the program's look, as the program does when it starts.
  EXPECT_EQ(QFontInfo(QApplication::font()).family().toStdString(), program);
  // A printer font that is not installed gives way to the first report family.
  EXPECT_EQ(QFontInfo(reportPrinterFont("LOTUS", 10)).family().toStdString(), report);
}

}  // namespace
}  // namespace vorn
