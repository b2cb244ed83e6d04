#include "note/note_style.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "toolkit/bidi_text_view.h"

namespace vorn {

namespace {

constexpr const char* kLatinFamily = "Noto Sans";
constexpr const char* kArabicFamily = "Noto Sans Arabic";

// Where Debian's fonts-noto-core keeps the two families, for a system whose font configuration
// does not list them.
constexpr const char* kFontFolder = "/usr/share/fonts/truetype/noto/";
constexpr const char* kFontFiles[] = {"NotoSans-Regular.ttf", "NotoSans-Bold.ttf",
                                      "NotoSansArabic-Regular.ttf", "NotoSansArabic-Bold.ttf"};

// The note's families, made known to Qt from their files when the system does not list them.
const QStringList& noteFamilies()
{
  static const QStringList families = [] {
    const QStringList known = QFontDatabase::families();
    if (!known.contains(kLatinFamily) || !known.contains(kArabicFamily)) {
      for (const char* file : kFontFiles) {
        QFontDatabase::addApplicationFont(QString(kFontFolder) + file);
      }
    }
    return QStringList{kLatinFamily, kArabicFamily};
  }();
  return families;
}

}  // namespace

QFont NoteStyle::font(double points, bool bold) const
{
  QFont f;
  f.setFamilies(noteFamilies());
  f.setPointSizeF(points);
  f.setBold(bold);
  f.setKerning(true);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

namespace {
// The line's parts of the font's size: Noto Sans' ascent, and the depth of the Persian tails.
constexpr double kAscent = 1.07;
constexpr double kDescent = 0.45;
// Noto Sans Arabic's ascent.
constexpr double kFullAscent = 1.38;
}  // namespace

double NoteStyle::ascent(const QFont& f) const
{
  return kAscent * pt(f.pointSizeF());
}

double NoteStyle::overshoot(const QFont& f) const
{
  return (kFullAscent - kAscent) * pt(f.pointSizeF());
}

double NoteStyle::lineHeight(const QFont& f) const
{
  return (kAscent + kDescent) * pt(f.pointSizeF());
}

double NoteStyle::textWidth(const QFont& f, const QString& shown) const
{
  return QFontMetricsF(f, device).horizontalAdvance(shown);
}

NoteStyle noteStyle()
{
  // A picture of one dot that only lends its resolution to the measuring.
  static const QImage measuring = [] {
    QImage image(1, 1, QImage::Format_ARGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(kNoteResolution / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
  }();
  NoteStyle style;
  style.device = &measuring;
  style.unit = kNoteResolution / 72.0;
  return style;
}

QString shownText(const std::string& text)
{
  return bidiDisplayText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

NoteTextBox::NoteTextBox(const QString& shown, const QFont& font, double width,
                         const NoteStyle& style, Qt::Alignment alignment,
                         Qt::LayoutDirection direction)
    : layout_(std::make_shared<QTextLayout>(shown, font, style.device)), width_(width)
{
  QTextOption option(alignment);
  option.setTextDirection(direction);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout_->setTextOption(option);
  layout_->setCacheEnabled(true);
  const double ascent = style.ascent(font);
  const double line = style.lineHeight(font);
  layout_->beginLayout();
  double y = 0;
  for (QTextLine l = layout_->createLine(); l.isValid(); l = layout_->createLine()) {
    l.setLineWidth(width);
    l.setPosition(QPointF(0, y + ascent - l.ascent()));
    y += line;
  }
  layout_->endLayout();
  height_ = std::max(y, line);
}

void NoteTextBox::draw(QPainter& painter, double left, double top, const QColor& colour) const
{
  if (!layout_) {
    return;
  }
  painter.setPen(colour);
  layout_->draw(&painter, QPointF(left, top));
}

void drawTextLine(QPainter& painter, const NoteStyle& style, const QString& shown,
                  const QFont& font, double left, double right, double top, Qt::Alignment alignment)
{
  QTextLayout layout(shown, font, style.device);
  QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
  option.setTextDirection(Qt::RightToLeft);
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) {
    layout.endLayout();
    return;
  }
  line.setLineWidth(std::max(right - left, 1.0));
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  const double width = line.naturalTextWidth();
  double x = left;
  if (alignment & Qt::AlignHCenter) {
    x = (left + right - width) / 2;
  } else if (alignment & Qt::AlignRight) {
    x = right - width;
  }
  layout.draw(&painter, QPointF(x, top + style.ascent(font) - line.ascent()));
}

}  // namespace vorn
