#include "toolkit/bidi_document_layout_view.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace vorn {

namespace {

// The widest a line is laid out when the document has no width of its own.
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
  const bool sameLook = font == font_ && paintDevice() == device_;
  font_ = font;
  device_ = paintDevice();
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
      made.push_back(std::move(p));
    }
    made.back().position = block.position();
  }
  paragraphs_ = std::move(made);
}

void BidiDocumentLayout::breakLines()
{
  const QTextDocument* doc = document();
  const qreal scale = device_ ? device_->logicalDpiY() / 96.0 : 1.0;
  const qreal margin = doc->documentMargin() * scale;
  const QSizeF page = doc->pageSize();
  const bool wraps = page.width() > 0;
  const qreal pageHeight = page.height() > 0 ? page.height() : 0;
  QTextOption option = doc->defaultTextOption();
  if (!wraps) {
    option.setWrapMode(QTextOption::NoWrap);
  }
  // Without a width of its own the document is as wide as its widest line.
  qreal width = wraps ? std::max<qreal>(page.width() - 2 * margin, 1) : 0;
  if (!wraps) {
    for (Paragraph& p : paragraphs_) {
      p.layout->setTextOption(option);
      p.layout->beginLayout();
      for (QTextLine line = p.layout->createLine(); line.isValid(); line = p.layout->createLine()) {
        line.setLineWidth(kUnboundedWidth);
        width = std::max(width, line.naturalTextWidth());
      }
      p.layout->endLayout();
    }
  }

  qreal y = margin;
  QTextBlock block = doc->begin();
  for (Paragraph& p : paragraphs_) {
    option.setTextDirection(block.textDirection());
    block = block.next();
    p.layout->setTextOption(option);
    p.layout->beginLayout();
    qreal height = 0;
    for (QTextLine line = p.layout->createLine(); line.isValid(); line = p.layout->createLine()) {
      line.setLineWidth(width);
      qreal top = y + height;
      if (pageHeight > 0) {
        const qreal pageTop = std::floor(top / pageHeight) * pageHeight;
        if (top + line.height() > pageTop + pageHeight - margin && top > pageTop + margin) {
          top = pageTop + pageHeight + margin;
          height = top - y;
        }
      }
      line.setPosition(QPointF(0, height));
      height += line.height();
    }
    p.layout->endLayout();
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
    p.layout->draw(painter, p.rect.topLeft(), selections, context.clip);
    const qsizetype cursor = context.cursorPosition - p.position;
    if (context.cursorPosition >= 0 && cursor >= 0 && cursor <= length) {
      p.layout->drawCursor(painter, p.rect.topLeft(),
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
  const QPointF local = point - p->rect.topLeft();
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
