#include "note/note_layout.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <memory>

#include "note/note_plot.h"
#include "note/note_table.h"

namespace vorn {

namespace {

// The sizes of the note's texts, in points.
constexpr double kBodyPoints = 9.5;
constexpr double kTitlePoints = 17;
constexpr double kCodePoints = 11;
constexpr double kSectionPoints = 12.5;
constexpr double kSubheadingPoints = 10.5;
// The most rows a table kept on one page has.
constexpr std::size_t kShortTable = 12;

// A piece of one text wrapped across the width, right to left.
NotePiece paragraph(const NoteTextBox& box, double spaceBefore, const QColor& colour)
{
  NotePiece piece;
  piece.height = box.height();
  piece.spaceBefore = spaceBefore;
  piece.draw = [box, colour](QPainter& painter, double top) { box.draw(painter, 0, top, colour); };
  return piece;
}

// A heading: bold, kept with what follows it, underlined when it opens a section.
NotePiece heading(const std::string& text, const NoteStyle& style, double width, double points,
                  double spaceBefore, bool rule)
{
  const NoteTextBox box(shownText(text), style.font(points, true), width, style);
  NotePiece piece = paragraph(box, spaceBefore, note_colours::ink);
  piece.keepWithNext = true;
  if (rule) {
    const double gap = style.pt(2.5);
    piece.height += gap + style.pt(0.8);
    piece.draw = [box, gap, width, style](QPainter& painter, double top) {
      box.draw(painter, 0, top, note_colours::ink);
      QPen pen(note_colours::rule);
      pen.setWidthF(style.pt(0.8));
      painter.setPen(pen);
      const double y = top + box.height() + gap;
      painter.drawLine(QPointF(0, y), QPointF(width, y));
    };
  }
  return piece;
}

// Label and value side by side, the label on the right in its column; a line without a value
// spans the width.
struct TwoColumns {
  double labelWidth = 0;
  double gap = 0;
};

TwoColumns twoColumns(const std::vector<QString>& labels, const QFont& font, const NoteStyle& style,
                      double width)
{
  TwoColumns columns;
  for (const QString& label : labels) {
    columns.labelWidth = std::max(columns.labelWidth, style.textWidth(font, label) + style.pt(1));
  }
  columns.labelWidth = std::min(columns.labelWidth, width * 0.55);
  columns.gap = style.pt(12);
  return columns;
}

NotePiece labelled(const QString& label, const QString& value, const QFont& labelFont,
                   const QFont& valueFont, const TwoColumns& columns, const NoteStyle& style,
                   double width, Qt::LayoutDirection valueDirection)
{
  if (value.isEmpty()) {
    return paragraph(NoteTextBox(label, labelFont, width, style), style.pt(2), note_colours::ink);
  }
  const NoteTextBox labelBox(label, labelFont, columns.labelWidth, style);
  const double valueWidth = std::max(width - columns.labelWidth - columns.gap, style.pt(20));
  const NoteTextBox valueBox(value, valueFont, valueWidth, style,
                             Qt::AlignRight | Qt::AlignAbsolute, valueDirection);
  NotePiece piece;
  piece.height = std::max(labelBox.height(), valueBox.height());
  piece.spaceBefore = style.pt(2);
  piece.draw = [labelBox, valueBox, width, columns](QPainter& painter, double top) {
    labelBox.draw(painter, width - columns.labelWidth, top, note_colours::muted);
    valueBox.draw(painter, width - columns.labelWidth - columns.gap - valueBox.width(), top,
                  note_colours::ink);
  };
  return piece;
}

// A box filled and framed: the title block's and a stop message's.
void drawFramedBox(QPainter& painter, const QRectF& box, const QColor& fill, const QColor& frame,
                   double frameWidth)
{
  painter.fillRect(box, fill);
  QPen pen(frame);
  pen.setWidthF(frameWidth);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
}

// The title block of the first page: what the note is, under which code, and the project.
NotePiece titleBlock(const NoteDocument& note, const NoteStyle& style, double width)
{
  const NoteTextBox title(shownText(note_texts::noteTitle), style.font(kTitlePoints, true), width,
                          style, Qt::AlignHCenter);
  const NoteTextBox code(shownText(note_texts::code), style.font(kCodePoints), width, style,
                         Qt::AlignHCenter);
  const NoteTextBox edition(shownText(note_texts::edition), style.font(kCodePoints), width, style,
                            Qt::AlignHCenter);
  std::vector<std::pair<QString, QString>> rows;
  auto add = [&rows](const char* label, const std::string& value) {
    if (!value.empty()) {
      rows.emplace_back(shownText(label), shownText(value));
    }
  };
  add(note_texts::projectTitle, note.title.projectTitle);
  add(note_texts::engineer, note.title.engineer);
  add(note_texts::organisation, note.title.organisation);
  add(note_texts::projectFile, note.title.projectFile);
  add(note_texts::date, note.title.date);
  add(note_texts::program, note.program);

  const QFont labelFont = style.font(kBodyPoints, true);
  const QFont valueFont = style.font(kBodyPoints);
  const double padding = style.pt(8);
  const double inner = width - 2 * padding;
  std::vector<QString> labels;
  for (const auto& row : rows) {
    labels.push_back(row.first);
  }
  const TwoColumns columns = twoColumns(labels, labelFont, style, inner);
  std::vector<NotePiece> lines;
  double boxHeight = 0;
  for (const auto& row : rows) {
    lines.push_back(labelled(row.first, row.second, labelFont, valueFont, columns, style, inner,
                             Qt::RightToLeft));
    boxHeight += lines.back().height + style.pt(3);
  }
  boxHeight += 2 * padding - style.pt(3);

  const double gap = style.pt(4);
  const double boxTop = title.height() + gap + code.height() + edition.height() + style.pt(10);
  NotePiece piece;
  piece.height = boxTop + (rows.empty() ? 0 : boxHeight) + style.pt(6);
  piece.draw = [=](QPainter& painter, double top) {
    title.draw(painter, 0, top, note_colours::ink);
    code.draw(painter, 0, top + title.height() + gap, note_colours::ink);
    edition.draw(painter, 0, top + title.height() + gap + code.height(), note_colours::muted);
    if (lines.empty()) {
      return;
    }
    const QRectF box(0, top + boxTop, width, boxHeight);
    drawFramedBox(painter, box, note_colours::stripe, note_colours::rule, style.pt(0.8));
    painter.save();
    painter.translate(padding, 0);
    double y = box.top() + padding;
    for (const NotePiece& line : lines) {
      line.draw(painter, y);
      y += line.height + style.pt(3);
    }
    painter.restore();
  };
  return piece;
}

// Why a section has nothing: its message in a frame.
NotePiece stopBox(const std::string& message, const NoteStyle& style, double width)
{
  const double padding = style.pt(7);
  const NoteTextBox text(shownText(message), style.font(kBodyPoints), width - 2 * padding, style);
  NotePiece piece;
  piece.height = text.height() + 2 * padding;
  piece.spaceBefore = style.pt(6);
  piece.draw = [text, padding, width, style](QPainter& painter, double top) {
    const QRectF box(0, top, width, text.height() + 2 * padding);
    drawFramedBox(painter, box, note_colours::stopFill, note_colours::stopFrame, style.pt(1));
    text.draw(painter, padding, top + padding, note_colours::ink);
  };
  return piece;
}

void addFacts(std::vector<NotePiece>& pieces, const std::vector<NoteFact>& facts,
              const NoteStyle& style, double width)
{
  const QFont font = style.font(kBodyPoints);
  std::vector<QString> labels;
  for (const NoteFact& fact : facts) {
    if (!fact.value.empty()) {
      labels.push_back(shownText(fact.label));
    }
  }
  const TwoColumns columns = twoColumns(labels, font, style, width);
  for (std::size_t k = 0; k < facts.size(); ++k) {
    const NoteFact& fact = facts[k];
    pieces.push_back(labelled(shownText(fact.label), shownText(fact.value), font, font, columns,
                              style, width, Qt::RightToLeft));
    if (k == 0) {
      pieces.back().spaceBefore = style.pt(6);
    }
  }
}

// The static run worked out: each step's quantity on the right, its formula, the formula with
// the values put in and the result read left to right beside it.
void addDerivation(std::vector<NotePiece>& pieces, const std::vector<NoteDerivation>& derivation,
                   const NoteStyle& style, double width)
{
  if (derivation.empty()) {
    return;
  }
  pieces.push_back(
      heading(note_texts::derivationHeading, style, width, kSubheadingPoints, style.pt(10), false));
  const QFont quantityFont = style.font(kBodyPoints, true);
  const QFont formulaFont = style.font(kBodyPoints);
  std::vector<QString> quantities;
  for (const NoteDerivation& d : derivation) {
    for (const NoteStep& step : d.steps) {
      quantities.push_back(shownText(step.quantity));
    }
  }
  const TwoColumns columns = twoColumns(quantities, quantityFont, style, width * 0.3);
  const double indent = style.pt(8);
  for (const NoteDerivation& d : derivation) {
    if (!d.heading.empty()) {
      pieces.push_back(heading(d.heading, style, width, kBodyPoints, style.pt(5), false));
    }
    for (const NoteStep& step : d.steps) {
      std::string expression;
      for (const std::string* part : {&step.formula, &step.substituted, &step.result}) {
        if (!part->empty()) {
          expression += (expression.empty() ? "" : " = ") + *part;
        }
      }
      NotePiece piece = labelled(shownText(step.quantity), shownText(expression), quantityFont,
                                 formulaFont, columns, style, width - indent, Qt::LeftToRight);
      piece.spaceBefore = style.pt(3);
      pieces.push_back(std::move(piece));
    }
  }
}

void addTable(NoteLayout& layout, const NoteTable& table, const NoteStyle& style, double width)
{
  if (!table.title.empty()) {
    layout.pieces.push_back(
        heading(table.title, style, width, kSubheadingPoints - 0.5, style.pt(12), false));
  }
  if (table.columns.empty()) {
    return;
  }
  const auto shared = std::make_shared<NoteTableLayout>(table, style, width);
  NotePiece header;
  header.height = shared->headerHeight();
  header.draw = [shared](QPainter& painter, double top) { shared->drawHeader(painter, top); };
  if (shared->rows() == 0) {
    header.spaceBefore = style.pt(4);
    layout.pieces.push_back(std::move(header));
    return;
  }
  const int index = static_cast<int>(layout.tableHeaders.size());
  layout.tableHeaders.push_back(std::move(header));
  // A short table stays on one page; a long one leaves no row alone at its top or bottom.
  const std::size_t rows = shared->rows();
  const bool whole = rows <= kShortTable;
  for (std::size_t r = 0; r < rows; ++r) {
    NotePiece row;
    row.height = shared->rowHeight(r);
    row.spaceBefore = r == 0 ? style.pt(4) : 0;
    row.keepWithNext = r + 1 < rows && (whole || r == 0 || r + 2 == rows);
    row.table = index;
    row.draw = [shared, r](QPainter& painter, double top) { shared->drawRow(painter, r, top); };
    layout.pieces.push_back(std::move(row));
  }
}

void addPlot(std::vector<NotePiece>& pieces, const Plot& plot, const NoteStyle& style, double width)
{
  if (plot.empty()) {
    return;
  }
  const auto shared = std::make_shared<NotePlotLayout>(plot, style, width);
  NotePiece piece;
  piece.height = shared->height();
  piece.spaceBefore = style.pt(16);
  piece.draw = [shared](QPainter& painter, double top) { shared->draw(painter, top); };
  pieces.push_back(std::move(piece));
}

}  // namespace

NoteLayout layOutNote(const NoteDocument& note, const NoteStyle& style, double width)
{
  NoteLayout layout;
  layout.pieces.push_back(titleBlock(note, style, width));
  const QFont body = style.font(kBodyPoints);
  for (const NoteSection& section : note.sections) {
    layout.pieces.push_back(
        heading(section.heading, style, width, kSectionPoints, style.pt(18), true));
    if (!section.stopMessage.empty()) {
      layout.pieces.push_back(stopBox(section.stopMessage, style, width));
      continue;
    }
    addFacts(layout.pieces, section.facts, style, width);
    addDerivation(layout.pieces, section.derivation, style, width);
    for (std::size_t k = 0; k < section.lines.size(); ++k) {
      const NoteTextBox box(shownText(section.lines[k]), body, width, style);
      layout.pieces.push_back(paragraph(box, style.pt(k == 0 ? 6 : 2), note_colours::ink));
    }
    for (const NoteTable& table : section.tables) {
      addTable(layout, table, style, width);
    }
    for (const Plot& plot : section.plots) {
      addPlot(layout.pieces, plot, style, width);
    }
  }
  // A heading with nothing after it keeps nothing with it.
  if (!layout.pieces.empty()) {
    layout.pieces.back().keepWithNext = false;
  }
  return layout;
}

void paginate(NoteLayout& layout, double bodyHeight)
{
  layout.pages.assign(1, {});
  const std::vector<NotePiece>& pieces = layout.pieces;
  const auto headerAbove = [&layout](const NotePiece& piece, int lastTable) {
    return piece.table >= 0 && piece.table != lastTable
               ? layout.tableHeaders[static_cast<std::size_t>(piece.table)].height
               : 0.0;
  };
  // The height piece k needs at y after a piece of lastTable, with the pieces it keeps with.
  const auto need = [&](std::size_t k, double y, int lastTable) {
    double total =
        (y > 0 ? pieces[k].spaceBefore : 0) + headerAbove(pieces[k], lastTable) + pieces[k].height;
    int last = pieces[k].table;
    for (std::size_t j = k; j + 1 < pieces.size() && pieces[j].keepWithNext; ++j) {
      const NotePiece& next = pieces[j + 1];
      total += next.spaceBefore + headerAbove(next, last) + next.height;
      last = next.table;
    }
    return total;
  };

  double y = 0;
  int lastTable = -1;
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    const NotePiece& piece = pieces[k];
    if (y > 0 && y + need(k, y, lastTable) > bodyHeight) {
      // What keeps together but would not fit on any page is split where it must be.
      const bool fitsAlone =
          y + piece.spaceBefore + headerAbove(piece, lastTable) + piece.height <= bodyHeight;
      if (need(k, 0, -1) <= bodyHeight || !fitsAlone) {
        layout.pages.emplace_back();
        y = 0;
        lastTable = -1;
      }
    }
    if (y > 0) {
      y += piece.spaceBefore;
    }
    if (piece.table >= 0 && piece.table != lastTable) {
      const NotePiece& header = layout.tableHeaders[static_cast<std::size_t>(piece.table)];
      layout.pages.back().push_back({&header, y});
      y += header.height;
    }
    layout.pages.back().push_back({&piece, y});
    y += piece.height;
    lastTable = piece.table;
  }
}

}  // namespace vorn
