#include "views/report/report_printing_view.h"

#include <QAbstractTextDocumentLayout>
#include <QFileDialog>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "toolkit/bidi_document_layout_view.h"
#include "toolkit/file_name_text_view.h"
#include "toolkit/window_view.h"
#include "windows/report/form27_print.h"

namespace vorn {

namespace {

const QStringList& persianFonts()
{
  static const QStringList fonts = [] {
    QStringList families;
    for (const char* family : kReportFontFamilies) {
      families << family;
    }
    return families;
  }();
  return fonts;
}

}  // namespace

void layoutReportDocument(QTextDocument& document, const QString& text, const QFont& font)
{
  if (!dynamic_cast<BidiDocumentLayout*>(document.documentLayout())) {
    auto* layout = new BidiDocumentLayout(&document);
    layout->setPaintDevice(document.documentLayout()->paintDevice());
    document.setDocumentLayout(layout);
  }
  document.setDefaultFont(font);
  QTextOption option = document.defaultTextOption();
  option.setTextDirection(Qt::LayoutDirectionAuto);
  option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
  document.setPlainText(text);
}

QFont reportPrinterFont(const QString& family, int pointSize)
{
  QFont font;
  QStringList families;
  if (QFontDatabase::hasFamily(family)) {
    families << family;
  }
  families << persianFonts();
  font.setFamilies(families);
  font.setPointSize(pointSize);
  return font;
}

PrintOutcome printReportText(QPrinter& printer, const PrintJob& job)
{
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&printer);
  layoutReportDocument(document, QString::fromStdString(job.text),
                       reportPrinterFont(QString::fromStdString(job.fontName), job.pointSize));
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  document.setPageSize(page.size());

  QPainter painter;
  if (!painter.begin(&printer)) {
    return {PrintOutcome::Status::Failed, form27_texts::printerNotStarted};
  }
  const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
  const int pages = document.pageCount();
  bool first = true;
  for (int copy = 0; copy < copies; ++copy) {
    for (int k = 0; k < pages; ++k) {
      if (!first && !printer.newPage()) {
        painter.end();
        return {PrintOutcome::Status::Failed, form27_texts::printerError};
      }
      first = false;
      painter.save();
      painter.translate(0, -k * page.height());
      document.drawContents(&painter, QRectF(0, k * page.height(), page.width(), page.height()));
      painter.restore();
    }
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    return {PrintOutcome::Status::Failed, form27_texts::printerError};
  }
  return {PrintOutcome::Status::Printed, {}};
}

bool QtReportDevices::runDialog(QDialog& dialog)
{
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> QtReportDevices::chooseSaveFile(const SaveFileRequest& request)
{
  QFileDialog dialog(dialog_, QString::fromStdString(request.title));
  dialog.setObjectName("CommonDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromStdString(request.nameFilter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (!runDialog(dialog) || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialogPathBytes(dialog.selectedFiles().first());
}

PrintOutcome QtReportDevices::print(const PrintJob& job)
{
  // The screen catches up with the report dialog's closing: the dialog goes and the window it
  // was opened over takes the printer dialog. Nothing else is drawn until the printing is over.
  QWidget* over = dialog_;
  if (dialog_ != nullptr) {
    dialog_->draw();
    if (WindowView* beneath = dialog_->opener(); beneath != nullptr && !dialog_->isVisible()) {
      beneath->draw();
      over = beneath;
    }
  }
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, over);
  dialog.setObjectName("CommonDialog1");
  if (!runDialog(dialog)) {
    return {PrintOutcome::Status::Cancelled, {}};
  }
  return printReportText(printer, job);
}

}  // namespace vorn
