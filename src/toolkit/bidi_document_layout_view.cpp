#include "toolkit/bidi_document_layout_view.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace vorn {

namespace {

// The width a paragraph is first laid out in, on one line.
constexpr qreal kUnboundedWidth = 1e6;

}  // namespace

BidiDocumentLayout::BidiDocumentLayout(QTextDocument* document)
    : QAbstractTextDocumentLayout(document)
{
}

BidiDocumentLayout::~BidiDocumentLayout() = default;

void BidiDocumentLayout::documentChanged(int, int, int)
{
  const int pages = pageCount();
  makeParagraphs();
  breakLines();
  emit documentSizeChanged(size_);
  if (pageCount() != pages) {
    emit pageCountChanged(pageCount());
  }
  emit update();
}

void BidiDocumentLayout::makeParagraphs()
{
  const QTextDocument* doc = document();
  const QFont font = doc->defaultFont();
  const QTextOption option = doc->defaultTextOption();
  const bool sameLook =
      font == font_ && paintDevice() == device_ && option.alignment() == option_.alignment() &&
      option.wrapMode() == option_.wrapMode() && option.textDirection() == option_.textDirection();
  font_ = font;
  device_ = paintDevice();
  option_ = option;
  std::vector<Paragraph> made;
  made.reserve(static_cast<std::size_t>(doc->blockCount()));
  std::size_t k = 0;
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next(), ++k) {
    const QString text = block.text();
    if (sameLook && k < paragraphs_.size() && paragraphs_[k].text == text) {
      made.push_back(std::move(paragraphs_[k]));
    } else {
      Paragraph p;
      p.text = text;
      p.positions = bidiPositions(text);
      p.layout = std::make_unique<QTextLayout>(p.positions.display, font, device_);
      // Keeps the shaped text between drawings.
      p.layout->setCacheEnabled(true);
      made.push_back(std::move(p));
    }
    made.back().position = block.position();
  }
  paragraphs_ = std::move(made);
}

namespace {

// Where a line of `natural` width starts in a column of `width` from `left`, aligned as the text
// option says for a paragraph of the direction.
qreal alignedLeft(const QTextOption& option, Qt::LayoutDirection direction, qreal left, qreal width,
                  qreal natural)
{
  Qt::Alignment h = option.alignment() & Qt::AlignHorizontal_Mask;
  if (h & Qt::AlignHCenter) {
    return left + (width - natural) / 2;
  }
  bool right = (h & Qt::AlignRight) != 0;
  if (!(h & Qt::AlignAbsolute) && direction == Qt::RightToLeft) {
    right = !right;
  }
  return right ? left + width - natural : left;
}

}  // namespace

void BidiDocumentLayout::breakLines()
{
  const QTextDocument* doc = document();
  const qreal scale = device_ ? device_->logicalDpiY() / 96.0 : 1.0;
  const qreal margin = doc->documentMargin() * scale;
  const QSizeF page = doc->pageSize();
  const qreal pageHeight = page.height() > 0 ? page.height() : 0;
  const QTextOption option = doc->defaultTextOption();
  QTextOption oneLine = option;
  oneLine.setWrapMode(QTextOption::NoWrap);
  auto layOut = [](Paragraph& p, QTextOption how, qreal lineWidth) {
    how.setTextDirection(p.direction);
    p.layout->setTextOption(how);
    p.layout->beginLayout();
    for (QTextLine line = p.layout->createLine(); line.isValid(); line = p.layout->createLine()) {
      line.setLineWidth(lineWidth);
    }
    p.layout->endLayout();
  };

  // Each paragraph is laid out once on one line of its own width; only a paragraph wider than the
  // page is broken, at the page's width. A new width then mostly moves the lines.
  qreal widest = 0;
  QTextBlock block = doc->begin();
  for (Paragraph& p : paragraphs_) {
    if (p.brokenWidth == kNotLaidOut) {
      p.direction = block.textDirection();
      layOut(p, oneLine, kUnboundedWidth);
      p.brokenWidth = kOneLine;
      p.natural = p.layout->lineCount() == 1 ? p.layout->lineAt(0).naturalTextWidth() : -1;
    }
    block = block.next();
    widest = std::max(widest, p.natural);
  }
  const qreal width = page.width() > 0 ? std::max<qreal>(page.width() - 2 * margin, 1) : widest;

  qreal y = margin;
  for (Paragraph& p : paragraphs_) {
    const bool fits = p.natural >= 0 && p.natural <= width;
    if (fits && p.brokenWidth != kOneLine) {
      layOut(p, oneLine, kUnboundedWidth);
      p.brokenWidth = kOneLine;
    } else if (!fits && p.brokenWidth != width) {
      layOut(p, option, width);
      p.brokenWidth = width;
    }
    qreal height = 0;
    for (int k = 0; k < p.layout->lineCount(); ++k) {
      QTextLine line = p.layout->lineAt(k);
      qreal top = y + height;
      if (pageHeight > 0) {
        const qreal pageTop = std::floor(top / pageHeight) * pageHeight;
        if (top + line.height() > pageTop + pageHeight - margin && top > pageTop + margin) {
          top = pageTop + pageHeight + margin;
          height = top - y;
        }
      }
      line.setPosition(QPointF(line.position().x(), height));
      height += line.height();
    }
    if (fits) {
      const qreal textLeft = p.layout->lineAt(0).naturalTextRect().left();
      p.layout->setPosition(
          QPointF(alignedLeft(option, p.direction, margin, width, p.natural) - textLeft, y));
    } else {
      p.layout->setPosition(QPointF(margin, y));
    }
    p.rect = QRectF(margin, y, width, height);
    y += height;
  }
  size_ = QSizeF(width + 2 * margin, y + margin);
}

void BidiDocumentLayout::draw(QPainter* painter, const PaintContext& context)
{
  painter->save();
  painter->setPen(context.palette.color(QPalette::Text));
  for (const Paragraph& p : paragraphs_) {
    if (context.clip.isValid() && !p.rect.intersects(context.clip)) {
      continue;
    }
    const auto length = static_cast<qsizetype>(p.positions.shown.size()) - 1;
    QList<QTextLayout::FormatRange> selections;
    for (const Selection& s : context.selections) {
      const qsizetype from =
          std::clamp<qsizetype>(s.cursor.selectionStart() - p.position, 0, length);
      const qsizetype to = std::clamp<qsizetype>(s.cursor.selectionEnd() - p.position, 0, length);
      if (from < to) {
        const qsizetype start = p.positions.shown[static_cast<std::size_t>(from)];
        const qsizetype end = p.positions.shown[static_cast<std::size_t>(to)];
        selections.append({static_cast<int>(start), static_cast<int>(end - start), s.format});
      }
    }
    p.layout->draw(painter, QPointF(), selections, context.clip);
    const qsizetype cursor = context.cursorPosition - p.position;
    if (context.cursorPosition >= 0 && cursor >= 0 && cursor <= length) {
      p.layout->drawCursor(painter, QPointF(),
                           static_cast<int>(p.positions.shown[static_cast<std::size_t>(cursor)]));
    }
  }
  painter->restore();
}

int BidiDocumentLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const
{
  if (paragraphs_.empty()) {
    return -1;
  }
  auto p = std::find_if(paragraphs_.begin(), paragraphs_.end(),
                        [&point](const Paragraph& q) { return point.y() < q.rect.bottom(); });
  if (p == paragraphs_.end()) {
    p = std::prev(paragraphs_.end());
  }
  if (accuracy == Qt::ExactHit && !p->rect.contains(point)) {
    return -1;
  }
  const QPointF local = point - p->layout->position();
  QTextLine line;
  for (int k = 0; k < p->layout->lineCount(); ++k) {
    line = p->layout->lineAt(k);
    if (local.y() < line.y() + line.height()) {
      break;
    }
  }
  if (!line.isValid()) {
    return static_cast<int>(p->position);
  }
  const int shown = line.xToCursor(local.x());
  return static_cast<int>(p->position + p->positions.stored[static_cast<std::size_t>(shown)]);
}

int BidiDocumentLayout::pageCount() const
{
  const qreal pageHeight = document()->pageSize().height();
  if (pageHeight <= 0) {
    return 1;
  }
  return std::max(1, static_cast<int>(std::ceil(size_.height() / pageHeight)));
}

QSizeF BidiDocumentLayout::documentSize() const
{
  return size_;
}

QRectF BidiDocumentLayout::frameBoundingRect(QTextFrame*) const
{
  return QRectF(QPointF(0, 0), size_);
}

QRectF BidiDocumentLayout::blockBoundingRect(const QTextBlock& block) const
{
  const auto k = static_cast<std::size_t>(block.blockNumber());
  return block.isValid() && k < paragraphs_.size() ? paragraphs_[k].rect : QRectF();
}

const QTextLayout* BidiDocumentLayout::paragraphLayout(int blockNumber) const
{
  const auto k = static_cast<std::size_t>(blockNumber);
  return blockNumber >= 0 && k < paragraphs_.size() ? paragraphs_[k].layout.get() : nullptr;
}

}  // namespace vorn
