#include "note/note_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "toolkit/bidi_text_view.h"

namespace vorn {

namespace {

constexpr double kLargestPoints = 8.5;
constexpr double kSmallestPoints = 6;
// The room beside a cell's text and above and below it, in parts of the font's size.
constexpr double kPadding = 0.35;
constexpr double kVerticalPadding = 0.25;
constexpr double kInnerRule = 0.35;  // points
constexpr double kOuterRule = 0.8;
// The most lines the widths aim at for a heading; a narrower table has taller headings.
constexpr int kMostHeadingLines = 8;

// The text between the blanks the program writes around its numbers.
QString trimmedBlanks(const std::string& text)
{
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(' ');
  return QString::fromUtf8(text.data() + first, static_cast<qsizetype>(last + 1 - first));
}

QPen rulePen(const NoteStyle& style, double points)
{
  QPen pen(note_colours::rule);
  pen.setWidthF(style.pt(points));
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

}  // namespace

NoteTableLayout::NoteTableLayout(const NoteTable& table, const NoteStyle& style, double width)
    : style_(style), keyColumn_(table.keyColumn), right_(width)
{
  const std::size_t n = table.columns.size();
  if (n == 0) {
    return;
  }
  // Every cell's text, and the widest of each column, measured once in the largest font: text
  // drawn without hinting grows in proportion to its size.
  const QFont largest = style.font(kLargestPoints);
  const QFont largestBold = style.font(kLargestPoints, true);
  const QFontMetricsF measure(largest, style.device);
  const QFontMetricsF measureBold(largestBold, style.device);
  std::vector<double> widest(n, 0);   // the least a column's text needs at the largest size
  std::vector<double> heading(n, 0);  // a heading on one line
  std::vector<double> numbers(n, 0);  // the widest number
  rows_.resize(table.rows.size());
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const std::vector<std::string>& source = table.rows[r];
    Row& row = rows_[r];
    row.cells.resize(n);
    for (std::size_t c = 0; c < n && c < source.size(); ++c) {
      Cell& cell = row.cells[c];
      double value = 0;
      cell.number = cellNumber(source[c], value);
      cell.shown = bidiDisplayText(trimmedBlanks(source[c]));
      const double w = measure.horizontalAdvance(cell.shown);
      widest[c] = std::max(widest[c], w);
      if (cell.number) {
        numbers[c] = std::max(numbers[c], w);
      }
    }
  }
  for (std::size_t c = 0; c < n; ++c) {
    const QString text = shownText(table.columns[c].heading);
    heading[c] = measureBold.horizontalAdvance(text);
    for (const QString& word :
         QString::fromStdString(table.columns[c].heading).split(u' ', Qt::SkipEmptyParts)) {
      widest[c] = std::max(widest[c], measureBold.horizontalAdvance(bidiDisplayText(word)));
    }
    if (!table.columns[c].unit.empty()) {
      widest[c] = std::max(widest[c],
                           measure.horizontalAdvance(shownText("(" + table.columns[c].unit + ")")));
    }
  }

  // The largest size at which every column holds its widest text with its padding: the widths
  // and the padding both grow with the size.
  double sumWidest = 0;
  for (double w : widest) {
    sumWidest += w;
  }
  const double perPoint =
      sumWidest / kLargestPoints + 2 * kPadding * style.unit * static_cast<double>(n);
  points_ = std::floor(width / perPoint * 0.99 * 4) / 4;
  points_ = std::clamp(points_, kSmallestPoints, kLargestPoints);
  const double scale = points_ / kLargestPoints;
  font_ = style.font(points_);
  padding_ = style.pt(kPadding * points_);
  verticalPadding_ = style.pt(kVerticalPadding * points_);

  // Widths: each column at least its widest text; the room left goes first to the headings, so
  // that they all wrap into as few lines as the width allows (one line of a heading takes about
  // its length in that many lines, a little more where its words break unevenly), then to every
  // column alike.
  std::vector<double> least(n);
  std::vector<double> wanted(n);
  double sumLeast = 0;
  for (std::size_t c = 0; c < n; ++c) {
    least[c] = widest[c] * scale + 2 * padding_;
    sumLeast += least[c];
  }
  double sumWanted = 0;
  for (int lines = 1; lines <= kMostHeadingLines; ++lines) {
    sumWanted = 0;
    for (std::size_t c = 0; c < n; ++c) {
      const double oneLine = heading[c] * scale;
      const double share = lines == 1 ? oneLine : std::min(oneLine, oneLine / lines * 1.15);
      wanted[c] = std::max(least[c], share + 2 * padding_);
      sumWanted += wanted[c];
    }
    if (sumWanted <= width) {
      break;
    }
  }
  std::vector<double> widths(n);
  const bool squeezed = sumLeast > width;
  // Squeezed, the widest columns give up their room down to a common width, the others keep it.
  double cap = width / static_cast<double>(n);
  for (std::size_t pass = 0; squeezed && pass < n; ++pass) {
    double kept = 0;
    std::size_t capped = 0;
    for (double w : least) {
      if (w < cap) {
        kept += w;
      } else {
        ++capped;
      }
    }
    const double next = (width - kept) / static_cast<double>(std::max<std::size_t>(capped, 1));
    if (std::abs(next - cap) < 1e-6 * width) {
      break;
    }
    cap = next;
  }
  for (std::size_t c = 0; c < n; ++c) {
    if (squeezed) {
      widths[c] = std::min(least[c], cap);
    } else if (sumWanted <= width) {
      widths[c] = wanted[c] * width / sumWanted;
    } else {
      widths[c] = least[c] + (width - sumLeast) * (wanted[c] - least[c]) / (sumWanted - sumLeast);
    }
  }

  // The header: each heading wrapped in its column, the unit below it.
  const QFont bold = style.font(points_, true);
  columns_.resize(n);
  double x = width;
  double tallest = 0;
  for (std::size_t c = 0; c < n; ++c) {
    Column& column = columns_[c];
    column.right = x;
    column.width = widths[c];
    column.numbers = numbers[c] * scale;
    x -= widths[c];
    const double inner = std::max(widths[c] - 2 * padding_, style.pt(1));
    column.heading =
        NoteTextBox(shownText(table.columns[c].heading), bold, inner, style, Qt::AlignHCenter);
    double block = column.heading.height();
    if (!table.columns[c].unit.empty()) {
      // Units are Latin ("kg·m"): read left to right, whatever signs they hold.
      column.unit = NoteTextBox(shownText("(" + table.columns[c].unit + ")"), font_, inner, style,
                                Qt::AlignHCenter, Qt::LeftToRight);
      block += column.unit.height();
    }
    tallest = std::max(tallest, block);
  }
  left_ = x;
  headerHeight_ = tallest + 2 * verticalPadding_;

  // The rows: one line each, unless the table is squeezed and a cell wraps.
  const double line = style.lineHeight(font_) + 2 * verticalPadding_;
  const QFontMetricsF fitted(font_, style.device);
  for (Row& row : rows_) {
    row.height = line;
    if (!squeezed) {
      continue;
    }
    for (std::size_t c = 0; c < n; ++c) {
      const double inner = std::max(columns_[c].width - 2 * padding_, style.pt(1));
      if (fitted.horizontalAdvance(row.cells[c].shown) <= inner) {
        continue;
      }
      row.wraps = true;
      const NoteTextBox box(row.cells[c].shown, font_, inner, style);
      row.height = std::max(row.height, box.height() + 2 * verticalPadding_);
    }
  }
}

void NoteTableLayout::drawVerticals(QPainter& painter, double top, double height) const
{
  painter.setPen(rulePen(style_, kInnerRule));
  for (std::size_t c = 0; c + 1 < columns_.size(); ++c) {
    const double x = columns_[c].right - columns_[c].width;
    painter.drawLine(QPointF(x, top), QPointF(x, top + height));
  }
  painter.setPen(rulePen(style_, kOuterRule));
  painter.drawLine(QPointF(left_, top), QPointF(left_, top + height));
  painter.drawLine(QPointF(right_, top), QPointF(right_, top + height));
}

void NoteTableLayout::drawHeader(QPainter& painter, double top) const
{
  if (columns_.empty()) {
    return;
  }
  painter.fillRect(QRectF(left_, top, right_ - left_, headerHeight_), note_colours::headerFill);
  for (const Column& column : columns_) {
    const double block = column.heading.height() + column.unit.height();
    const double y = top + (headerHeight_ - block) / 2;
    const double x = column.right - column.width + padding_;
    column.heading.draw(painter, x, y, note_colours::ink);
    column.unit.draw(painter, x, y + column.heading.height(), note_colours::muted);
  }
  drawVerticals(painter, top, headerHeight_);
  painter.setPen(rulePen(style_, kOuterRule));
  painter.drawLine(QPointF(left_, top), QPointF(right_, top));
  painter.drawLine(QPointF(left_, top + headerHeight_), QPointF(right_, top + headerHeight_));
}

void NoteTableLayout::drawRow(QPainter& painter, std::size_t r, double top) const
{
  const Row& row = rows_[r];
  if (r % 2 == 1) {
    painter.fillRect(QRectF(left_, top, right_ - left_, row.height), note_colours::stripe);
  }
  painter.setPen(note_colours::ink);
  const double lineTop = top + (row.height - style_.lineHeight(font_)) / 2;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    const Cell& cell = row.cells[c];
    if (cell.shown.isEmpty()) {
      continue;
    }
    const Column& column = columns_[c];
    // Numbers are right-aligned, words and the key column centred.
    const Qt::Alignment across = cell.number && !(keyColumn_ && c == 0)
                                     ? Qt::AlignRight | Qt::AlignAbsolute
                                     : Qt::AlignHCenter;
    const double left = column.right - column.width + padding_;
    double right = std::max(column.right - padding_, left + style_.pt(1));
    if (across & Qt::AlignRight) {
      // The numbers of a wide column stand right-aligned in a block at its middle.
      right = std::min(right, column.right - column.width / 2 + column.numbers / 2);
    }
    if (row.wraps) {
      const NoteTextBox box(cell.shown, font_, right - left, style_, across);
      box.draw(painter, left, top + (row.height - box.height()) / 2, note_colours::ink);
    } else {
      drawTextLine(painter, style_, cell.shown, font_, left, right, lineTop, across);
    }
  }
  drawVerticals(painter, top, row.height);
  const bool last = r + 1 == rows_.size();
  painter.setPen(rulePen(style_, last ? kOuterRule : kInnerRule));
  painter.drawLine(QPointF(left_, top + row.height), QPointF(right_, top + row.height));
}

}  // namespace vorn
