#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextOption>
#include <memory>
#include <string>

class QPainter;
class QPaintDevice;
class QTextLayout;

namespace vorn {

// The look of the note: its fonts and the size of a point in the units it is laid out in. The
// note is measured and laid out on a device of its own, at the PDF writer's 1200 dots an inch,
// and painted on any other device through a painter scaled to it, so that a printer of any
// resolution breaks lines and pages where the PDF does.
struct NoteStyle {
  const QPaintDevice* device = nullptr;  // what text is measured on
  double unit = 1;                       // layout units per point

  double pt(double points) const { return points * unit; }
  double mm(double millimetres) const { return millimetres * 72.0 / 25.4 * unit; }

  // A font of the note in the given size: Noto Sans for Latin letters, digits and signs, Noto
  // Sans Arabic for the Persian text.
  QFont font(double points, bool bold = false) const;
  // Every line of a font has the same height and its baseline at the same depth, whichever of
  // the two families its text takes: room above for the Latin capitals and the Persian letters'
  // dots, below for the Persian letters' tails.
  double ascent(const QFont& font) const;
  // How far above a line a reader of the PDF puts its Persian words: it takes the Persian font's
  // full height, taller than the line. Text beside the margins keeps this much away from them.
  double overshoot(const QFont& font) const;
  double lineHeight(const QFont& font) const;
  double textWidth(const QFont& font, const QString& shown) const;
};

NoteStyle noteStyle();

// The dots an inch the note is laid out in.
inline constexpr int kNoteResolution = 1200;

// The colours of the note.
namespace note_colours {
inline const QColor ink{0x1a, 0x1a, 0x1a};
inline const QColor muted{0x55, 0x5b, 0x63};
inline const QColor rule{0x4a, 0x4f, 0x57};
inline const QColor headerFill{0xe4, 0xe9, 0xef};
inline const QColor stripe{0xf5, 0xf7, 0xf9};
inline const QColor stopFill{0xfd, 0xf3, 0xe7};
inline const QColor stopFrame{0xb2, 0x6a, 0x00};
}  // namespace note_colours

// What a text of the program looks like when drawn: its Latin and number runs isolated, so that a
// sign or point in a right-to-left line stays where it was written.
QString shownText(const std::string& text);

// A text laid out in a width, wrapped at blanks (anywhere, for a word longer than the width),
// lines aligned as asked. The base direction is right to left for the Persian texts; formulas are
// laid out left to right.
class NoteTextBox {
public:
  NoteTextBox() = default;
  NoteTextBox(const QString& shown, const QFont& font, double width, const NoteStyle& style,
              Qt::Alignment alignment = Qt::AlignRight | Qt::AlignAbsolute,
              Qt::LayoutDirection direction = Qt::RightToLeft);

  double height() const { return height_; }
  double width() const { return width_; }
  // Draws the text with the top left corner of its box at (left, top).
  void draw(QPainter& painter, double left, double top, const QColor& colour) const;

private:
  std::shared_ptr<QTextLayout> layout_;
  double height_ = 0;
  double width_ = 0;
};

// Draws one line of text between left and right (not wrapped), aligned to either side or the
// middle, with the top of its line at `top`.
void drawTextLine(QPainter& painter, const NoteStyle& style, const QString& shown,
                  const QFont& font, double left, double right, double top,
                  Qt::Alignment alignment);

}  // namespace vorn
