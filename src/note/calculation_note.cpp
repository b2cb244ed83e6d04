#include "note/calculation_note.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "note/note_layout.h"
#include "note/note_style.h"

namespace vorn {

namespace {

// The page: A4 upright, its margins in millimetres.
constexpr double kSideMargin = 18;
constexpr double kTopMargin = 15;
constexpr double kBottomMargin = 15;
constexpr double kFramePoints = 8;  // the running header's and the footer's texts

QPageLayout notePageLayout()
{
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(kSideMargin, kTopMargin, kSideMargin, kBottomMargin),
                     QPageLayout::Millimeter);
}

// The running header and the footer around the body of every page.
class PageFrame {
public:
  PageFrame(const NoteDocument& note, const NoteStyle& style, double width, double height)
      : style_(style), width_(width), font_(style.font(kFramePoints))
  {
    const QFontMetricsF metrics(font_, style.device);
    line_ = style.lineHeight(font_);
    // The note's title on the right, the project file on the left, each within its half.
    const double half = width / 2 - style.pt(6);
    title_ = metrics.elidedText(shownText(note_texts::noteTitle), Qt::ElideRight, half);
    file_ = metrics.elidedText(shownText(note.title.projectFile), Qt::ElideMiddle, half);
    // The texts stand a little inside the margins: a reader of the PDF measures a Persian word by
    // the font's full height, which reaches above and below the line.
    headerTop_ = style.overshoot(font_) + style.pt(1);
    headerRule_ = headerTop_ + line_ + style.pt(3);
    footerTop_ = height - line_ - style.pt(3);
    footerRule_ = footerTop_ - style.pt(3);
    bodyTop_ = headerRule_ + style.pt(10);
    bodyBottom_ = footerRule_ - style.pt(8);
  }

  double bodyTop() const { return bodyTop_; }
  double bodyHeight() const { return bodyBottom_ - bodyTop_; }

  void draw(QPainter& painter, std::size_t page, std::size_t pages) const
  {
    painter.setPen(note_colours::muted);
    drawTextLine(painter, style_, title_, font_, width_ / 2, width_, headerTop_,
                 Qt::AlignRight | Qt::AlignAbsolute);
    drawTextLine(painter, style_, file_, font_, 0, width_ / 2, headerTop_,
                 Qt::AlignLeft | Qt::AlignAbsolute);
    QPen rule(note_colours::rule);
    rule.setWidthF(style_.pt(0.6));
    painter.setPen(rule);
    painter.drawLine(QPointF(0, headerRule_), QPointF(width_, headerRule_));

    const std::string number =
        note_texts::pageBefore + std::to_string(page) + note_texts::pageOf + std::to_string(pages);
    rule.setWidthF(style_.pt(0.4));
    painter.setPen(rule);
    painter.drawLine(QPointF(0, footerRule_), QPointF(width_, footerRule_));
    painter.setPen(note_colours::ink);
    drawTextLine(painter, style_, shownText(number), font_, 0, width_, footerTop_,
                 Qt::AlignHCenter);
  }

private:
  NoteStyle style_;
  double width_;
  QFont font_;
  double line_ = 0;
  QString title_;
  QString file_;
  double headerTop_ = 0;
  double headerRule_ = 0;
  double footerTop_ = 0;
  double footerRule_ = 0;
  double bodyTop_ = 0;
  double bodyBottom_ = 0;
};

// Lays the note out on the device's pages, then paints them, now that their number is known.
bool paintNote(const NoteDocument& note, QPagedPaintDevice& device)
{
  device.setPageLayout(notePageLayout());
  QPainter painter;
  if (!painter.begin(&device)) {
    return false;
  }
  painter.setLayoutDirection(Qt::RightToLeft);
  painter.scale(static_cast<double>(device.logicalDpiX()) / kNoteResolution,
                static_cast<double>(device.logicalDpiY()) / kNoteResolution);
  const NoteStyle style = noteStyle();
  // The page's room in points as the page layout gives it, not in the device's whole dots.
  const QRectF room = device.pageLayout().paintRect(QPageLayout::Point);
  const double width = style.pt(room.width());
  const PageFrame frame(note, style, width, style.pt(room.height()));
  NoteLayout layout = layOutNote(note, style, width);
  paginate(layout, frame.bodyHeight());

  const std::size_t pages = layout.pages.size();
  for (std::size_t k = 0; k < pages; ++k) {
    if (k > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    frame.draw(painter, k + 1, pages);
    painter.save();
    painter.translate(0, frame.bodyTop());
    for (const NotePlacement& placed : layout.pages[k]) {
      placed.piece->draw(painter, placed.top);
    }
    painter.restore();
  }
  return painter.end();
}

QByteArray escapedXml(const std::string& text)
{
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
      .toHtmlEscaped()
      .toUtf8();
}

// The document's metadata as XMP: its title, its author (the engineer) and the program that made
// it. Qt 6.4 writes no author of its own.
QByteArray xmpMetadata(const std::string& title, const std::string& author,
                       const std::string& program)
{
  QByteArray xmp =
      "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
      "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
      "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
      "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n";
  xmp += "<dc:format>application/pdf</dc:format>\n";
  xmp += "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + escapedXml(title) +
         "</rdf:li></rdf:Alt></dc:title>\n";
  if (!author.empty()) {
    xmp +=
        "<dc:creator><rdf:Seq><rdf:li>" + escapedXml(author) + "</rdf:li></rdf:Seq></dc:creator>\n";
  }
  xmp += "<xmp:CreatorTool>" + escapedXml(program) + "</xmp:CreatorTool>\n";
  xmp += "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
  return xmp;
}

}  // namespace

NotePdf calculationNotePdf(const NoteDocument& note)
{
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    // A program's own fault, never the user's: every program that writes notes makes the
    // application first.
    return {{}, "the calculation note needs a running Qt application"};
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    const std::string title = note.title.projectTitle.empty() ? std::string(note_texts::noteTitle)
                                                              : note.title.projectTitle;
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QString::fromStdString(note.program));
    writer.setDocumentXmpMetadata(xmpMetadata(title, note.title.engineer, note.program));
    if (!paintNote(note, writer)) {
      return {{}, note_texts::notPainted};
    }
  }
  buffer.close();
  return {bytes.toStdString(), {}};
}

void paintCalculationNote(const NoteDocument& note, QPagedPaintDevice& device)
{
  paintNote(note, device);
}

}  // namespace vorn
