#pragma once

#include <QString>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

namespace vorn {

// A stretch [start, end) of a text, in UTF-16 positions.
struct TextRun {
  qsizetype start = 0;
  qsizetype end = 0;
  bool operator==(const TextRun&) const = default;
};

// The stretches of a text that are drawn left to right as a unit: every run of Latin letters,
// digits, signs and punctuation that holds a letter or digit ("A= .25", "R= 6", "-.5", "1.25",
// "3(TS=0.7,T0=0.15)", "7.14>1.75 , ok"), and every file path in double quotes ("\"/home/a.EQ\"",
// quotes and Persian folder names included). A run opens on a letter or digit, on a sign or point
// directly before a number ("-.5", ">1.75", ".35"), on a bracket or a slash before a letter or
// digit ("(I=1)", "/tmp"); it closes on a letter, a digit, a bracket closing one of its own or a
// per cent sign after a digit. The blanks and equals signs between Persian words and a number stay
// with the words, and so does punctuation after it ("2-ب" keeps its hyphen on the Persian side).
// A text with no right-to-left letter that begins with a Latin letter and ends with a letter or a
// digit ("A=0.25", "Version 1.0.0") has no run: it reads in order in either direction as it is.
std::vector<TextRun> leftToRightRuns(const QString& text);

// The text as it is drawn: each run of leftToRightRuns() between a left-to-right isolate (U+2066)
// and its pop (U+2069), so that in a right-to-left line a number keeps its sign and point in front
// of its digits and a Latin run keeps its order, while the Persian words and the blanks between
// them keep theirs. The marks exist only in what is drawn, never in what the program stores.
QString bidiDisplayText(const QString& text);
QString bidiDisplayText(const std::string& text);

// The display text with its positions: shown[k] is where stored position k (0 … size) lies in
// the display text (inside an isolate that opens there), stored[d] the stored position of display
// position d (0 … display size; the positions on either side of a mark are the same).
struct BidiPositions {
  QString display;
  std::vector<qsizetype> shown;
  std::vector<qsizetype> stored;
};
BidiPositions bidiPositions(const QString& text);

// Draws the items of a list in their display text; the items keep the stored text, which is what
// a copy of them takes.
class BidiItemDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QString displayText(const QVariant& value, const QLocale& locale) const override;
};

}  // namespace vorn
