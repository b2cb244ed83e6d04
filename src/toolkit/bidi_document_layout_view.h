#pragma once

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "toolkit/bidi_text_view.h"

namespace vorn {

// Lays a plain-text document out line by line in the display text of bidiDisplayText(), while the
// document keeps the stored text: what is selected, copied or searched is the stored text, what is
// drawn is in the right order. Each paragraph reads in its own direction (QTextBlock::
// textDirection(), from the stored text), in the document's default font and text option. With a
// page height (printing), a line that would cross the foot of a page starts the next one.
class BidiDocumentLayout : public QAbstractTextDocumentLayout {
public:
  explicit BidiDocumentLayout(QTextDocument* document);
  ~BidiDocumentLayout() override;

  void draw(QPainter* painter, const PaintContext& context) override;
  int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
  int pageCount() const override;
  QSizeF documentSize() const override;
  QRectF frameBoundingRect(QTextFrame* frame) const override;
  QRectF blockBoundingRect(const QTextBlock& block) const override;

  // The layout of a paragraph, in display text, at its place in the document (position()); null
  // for a block it does not hold.
  const QTextLayout* paragraphLayout(int blockNumber) const;

protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
  // The widths a paragraph's lines are broken at besides a page's: not laid out yet, on one line
  // of its own.
  static constexpr qreal kNotLaidOut = -2;
  static constexpr qreal kOneLine = -1;

  // A block: its stored text, its display text laid out, where it starts in the document, its
  // direction, its width on one line (-1 when it holds more than one line), the width its lines
  // are broken at and the box it fills. Its layout is drawn at the layout's position.
  struct Paragraph {
    QString text;
    BidiPositions positions;
    std::unique_ptr<QTextLayout> layout;
    int position = 0;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    qreal natural = -1;
    qreal brokenWidth = kNotLaidOut;
    QRectF rect;
  };

  // A paragraph for every block; those whose text and look are unchanged keep their layout.
  void makeParagraphs();
  // Breaks the paragraphs into lines of the page's width and places them one under the other.
  void breakLines();

  std::vector<Paragraph> paragraphs_;
  // The look the paragraphs were laid out in.
  QFont font_;
  QTextOption option_;
  const QPaintDevice* device_ = nullptr;
  QSizeF size_;
};

}  // namespace vorn
