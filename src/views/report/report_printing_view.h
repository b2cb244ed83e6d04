#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "windows/report/report_devices.h"

class QDialog;
class QPrinter;
class QTextDocument;
class QWidget;

namespace vorn {

// Font families that write Persian, in the order of preference, for a printer font that is
// missing.
inline constexpr std::array<const char*, 3> kReportFontFamilies = {
    "Noto Naskh Arabic", "Noto Sans Arabic", "DejaVu Sans"};

// Lays the report text out as the output window and the printer show it: every line is a
// paragraph of its own, read in the direction of its first letter (Persian lines right to left,
// the number rows of the tables left to right, as their headings expect) and aligned to the
// right. The document keeps the text; it is drawn in each line's display order (a
// BidiDocumentLayout on the document's paint device), so that "=-.5" or "A= .35" read as written.
void layoutReportDocument(QTextDocument& document, const QString& text, const QFont& font);

// The printer font: the named family when it is installed, otherwise the first installed of
// kReportFontFamilies.
QFont reportPrinterFont(const QString& family, int pointSize);

// Prints the job on a printer already set up (the printer dialog has set its copies and
// orientation). Copies the printer cannot make itself are printed one after another.
PrintOutcome printReportText(QPrinter& printer, const PrintJob& job);

class WindowView;

// The Qt save dialog, printer dialog and printer. The save dialog opens over the report dialog;
// printing comes after the report dialog has closed, so the report dialog leaves the screen
// before the printer dialog opens, over the window beneath.
class QtReportDevices : public ReportDevices {
public:
  explicit QtReportDevices(WindowView* dialog) : dialog_(dialog) {}

  std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) override;
  PrintOutcome print(const PrintJob& job) override;

protected:
  // Runs a dialog modally; true when the user accepted it.
  virtual bool runDialog(QDialog& dialog);

private:
  WindowView* dialog_;
};

}  // namespace vorn
