// vorn-report: writes the report of a saved VORN project without opening a window, or its
// calculation note or workbook.
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "windows/report/report_tool.h"

#ifdef VORN_REPORT_PDF
#include <QGuiApplication>

#include "note/note_file.h"
#endif
#ifdef VORN_REPORT_XLSX
#include "workbook/workbook.h"
#endif

namespace {

#ifdef VORN_REPORT_PDF
// The note is painted by Qt, which needs an application; without a screen it draws on the
// offscreen platform, which a display may not be asked for.
std::optional<std::string> writeNote(const vorn::NoteDocument& note, const std::string& path)
{
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "vorn-report";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  return vorn::writeNotePdf(note, path);
}
#endif

}  // namespace

int main(int argc, char* argv[])
{
  const std::vector<std::string> args(argv + 1, argv + argc);
  vorn::ReportFormats formats;
#ifdef VORN_REPORT_PDF
  formats.pdf = writeNote;
#endif
#ifdef VORN_REPORT_XLSX
  formats.xlsx = vorn::writeWorkbook;
#endif
  try {
    return vorn::runReportTool(args, std::cout, std::cerr, formats);
  } catch (const std::exception& e) {
    std::cerr << "vorn-report: internal error: " << e.what() << "\n";
    return vorn::kToolFailed;
  }
}
