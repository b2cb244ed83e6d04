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

  // The layout of a paragraph, in display text, for tests; null for a block it does not hold.
  const QTextLayout* paragraphLayout(int blockNumber) const;

protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
  // A block: its stored text, its display text laid out, where it starts in the document and
  // where it lies on the page.
  struct Paragraph {
    QString text;
    BidiPositions positions;
    std::unique_ptr<QTextLayout> layout;
    int position = 0;
    QRectF rect;
  };

  // A paragraph for every block; those whose text and look are unchanged keep their layout.
  void makeParagraphs();
  // Breaks the paragraphs into lines of the page's width and places them one under the other.
  void breakLines();

  std::vector<Paragraph> paragraphs_;
  QFont font_;
  const QPaintDevice* device_ = nullptr;
  QSizeF size_;
};

}  // namespace vorn
