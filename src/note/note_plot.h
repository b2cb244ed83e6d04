#pragma once

#include <QRectF>
#include <QString>
#include <vector>

#include "note/note_style.h"
#include "windows/common/plot_data.h"

class QPainter;

namespace vorn {

// A numbered axis: its range, the values of its ticks and their texts.
struct NoteAxis {
  double low = 0;
  double high = 1;
  std::vector<double> ticks;
  std::vector<QString> labels;
};

// A value axis from zero (or below it, for negative values) to a little above the largest value,
// its ticks at a round step (1, 2 or 5 times a power of ten), at most `most` of them, each
// written with as many decimals as the step needs.
NoteAxis valueAxis(double low, double high, int most);

// A plot of the note drawn as vector graphics, as the screen draws it: right to left, the
// vertical axis on the right and the horizontal values growing to the left, x in blue and y in
// red, the limit lines dash-dotted; the title above, the legend below in two columns (x entries
// on the right).
class NotePlotLayout {
public:
  NotePlotLayout(const Plot& plot, const NoteStyle& style, double width);

  double height() const { return height_; }
  // Draws the plot with its top at `top`, across the body's width.
  void draw(QPainter& painter, double top) const;

private:
  struct LegendEntry {
    NoteTextBox text;
    QColor colour;
    Qt::PenStyle pen = Qt::SolidLine;
    bool marker = false;
    bool bar = false;
    double left = 0;  // of the entry's column
    double top = 0;   // below the legend's top
  };

  void drawAxes(QPainter& painter, const QRectF& area) const;
  void drawSeries(QPainter& painter, const QRectF& area) const;
  void drawLegend(QPainter& painter, double top) const;

  Plot plot_;
  NoteStyle style_;
  double width_ = 0;
  double height_ = 0;
  NoteTextBox title_;
  NoteTextBox horizontalTitle_;
  NoteTextBox verticalTitle_;  // drawn turned a quarter to the right
  double titleRoom_ = 0;       // between it and the right edge
  NoteAxis across_;
  NoteAxis up_;
  bool bars_ = false;
  int stories_ = 0;  // the bars' stories
  QFont tickFont_;
  double tickLabelWidth_ = 0;  // the widest number of the vertical axis
  double chartTop_ = 0;        // below the plot's top
  QRectF area_;                // the plotted area, its top below the plot's top
  double legendTop_ = 0;
  std::vector<LegendEntry> legend_;
};

}  // namespace vorn
