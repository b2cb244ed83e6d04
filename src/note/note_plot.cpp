#include "note/note_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "toolkit/bidi_text_view.h"

namespace vorn {

namespace {

// The colours of the screen's plots: x blue, y red; the limit lines green, dark red, brown.
const std::array<QColor, 2> kDirectionColours = {QColor(0x1f, 0x5f, 0xb4),
                                                 QColor(0xc6, 0x28, 0x28)};
const std::array<QColor, 3> kLineColours = {QColor(0x2e, 0x7d, 0x32), QColor(0x8e, 0x24, 0x4a),
                                            QColor(0x6d, 0x4c, 0x41)};
const QColor kGrid(0xdc, 0xe0, 0xe5);

constexpr double kTitlePoints = 10;
constexpr double kAxisPoints = 8;
constexpr double kTickPoints = 7;
constexpr double kLegendPoints = 8;
constexpr double kTick = 3;           // the length of a tick mark, in points
constexpr double kSample = 22;        // the width of a legend entry's sample
constexpr double kChartShare = 0.52;  // the chart's height, in parts of its width

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void take(double v)
  {
    if (std::isfinite(v)) {
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  bool valid() const { return low <= high; }
};

// The decimals a tick step needs.
int decimalsOf(double step)
{
  int decimals = 0;
  double scaled = step;
  while (decimals < 6 && std::abs(scaled - std::round(scaled)) > 1e-6 * std::max(1.0, scaled)) {
    ++decimals;
    scaled *= 10;
  }
  return decimals;
}

QString numberText(double value, int decimals)
{
  return bidiDisplayText(QString::number(value, 'f', decimals));
}

QPen seriesPen(const NoteStyle& style, std::size_t index, const PlotSeries& s)
{
  QPen pen(kDirectionColours.at(index % 2));
  pen.setWidthF(style.pt(s.markers ? 0.9 : 1.3));
  if (s.dashed) {
    pen.setStyle(Qt::DashLine);
  }
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QPen limitPen(const NoteStyle& style, std::size_t index)
{
  QPen pen(kLineColours.at(std::min(index, kLineColours.size() - 1)));
  pen.setWidthF(style.pt(1));
  pen.setStyle(Qt::DashDotLine);
  return pen;
}

}  // namespace

NoteAxis valueAxis(double low, double high, int most)
{
  Range r;
  r.take(low);
  r.take(high);
  NoteAxis axis;
  if (!r.valid()) {
    r = {0, 1};
  }
  r.take(0);
  double span = r.high - r.low;
  if (span <= 0) {
    r.high = r.low + 1;
    span = 1;
  }
  if (r.high > 0) {
    r.high += span * 0.05;
  }
  if (r.low < 0) {
    r.low -= span * 0.05;
  }
  most = std::max(most, 2);
  // The first round step that gives no more than `most` ticks.
  const double raw = (r.high - r.low) / (most - 1);
  double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = magnitude;
  for (int k = 0;; ++k) {
    step = std::array<double, 3>{1, 2, 5}[k % 3] * magnitude;
    if (k % 3 == 2) {
      magnitude *= 10;
    }
    axis.low = std::floor(r.low / step + 1e-9) * step;
    axis.high = std::ceil(r.high / step - 1e-9) * step;
    if ((axis.high - axis.low) / step + 1 <= most + 1e-9 || k > 60) {
      break;
    }
  }
  const int decimals = decimalsOf(step);
  const auto count = static_cast<int>(std::llround((axis.high - axis.low) / step));
  for (int k = 0; k <= count; ++k) {
    double value = axis.low + k * step;
    if (std::abs(value) < step * 1e-9) {
      value = 0;
    }
    axis.ticks.push_back(value);
    axis.labels.push_back(numberText(value, decimals));
  }
  return axis;
}

NotePlotLayout::NotePlotLayout(const Plot& plot, const NoteStyle& style, double width)
    : plot_(plot), style_(style), width_(width), bars_(plot.kind == Plot::Kind::StoryBars)
{
  const QFont axisFont = style.font(kAxisPoints);
  tickFont_ = style.font(kTickPoints);
  const QFontMetricsF ticks(tickFont_, style.device);
  const double tickHeight = style.lineHeight(tickFont_);

  title_ = NoteTextBox(shownText(plot.title), style.font(kTitlePoints, true), width, style,
                       Qt::AlignHCenter);
  chartTop_ = title_.height() + style.pt(4);
  const double chartHeight = width * kChartShare;

  Range across;
  Range up;
  for (const PlotSeries& s : plot.series) {
    stories_ = std::max(stories_, static_cast<int>(s.points.size()));
    for (const PlotPoint& p : s.points) {
      across.take(p.x);
      up.take(p.y);
    }
  }
  for (const PlotLine& l : plot.lines) {
    across.take(l.x);
  }

  // The vertical axis: the stories, whole numbers at a readable step, or values.
  if (bars_ || plot.storyAxis) {
    const int top = bars_ ? std::max(1, stories_)
                          : std::max(1, static_cast<int>(std::ceil(up.valid() ? up.high : 1)));
    const int step = plotStoryStep(top);
    if (bars_) {
      up_.low = 0.5;
      up_.high = top + 0.5;
      if (step > 1) {
        up_.ticks.push_back(1);
      }
      for (int k = step; k <= top; k += step) {
        up_.ticks.push_back(k);
      }
    } else {
      up_.low = 0;
      up_.high = (top / step + 1) * step;
      for (int k = 0; k <= up_.high; k += step) {
        up_.ticks.push_back(k);
      }
    }
    for (double t : up_.ticks) {
      up_.labels.push_back(numberText(t, 0));
    }
  } else {
    const int most = std::clamp(static_cast<int>(chartHeight * 0.8 / (tickHeight * 2.5)), 2, 10);
    up_ = valueAxis(up.valid() ? up.low : 0, up.valid() ? up.high : 1, most);
  }
  for (const QString& label : up_.labels) {
    tickLabelWidth_ = std::max(tickLabelWidth_, ticks.horizontalAdvance(label));
  }

  // Right to left: the vertical axis's title, numbers and ticks on the right of the plotted area.
  verticalTitle_ = NoteTextBox(shownText(plot.verticalAxis), axisFont, chartHeight * 0.8, style,
                               Qt::AlignHCenter);
  titleRoom_ = style.overshoot(axisFont);
  const double areaRight = width - titleRoom_ - verticalTitle_.height() - style.pt(4) -
                           tickLabelWidth_ - style.pt(2) - style.pt(kTick);

  // The horizontal axis: as many numbers as fit side by side under the plotted area.
  double widest = 0;
  double areaLeft = 0;
  for (int most = 8; most >= 2; --most) {
    across_ = valueAxis(across.valid() ? across.low : 0, across.valid() ? across.high : 1, most);
    widest = 0;
    for (const QString& label : across_.labels) {
      widest = std::max(widest, ticks.horizontalAdvance(label));
    }
    areaLeft = widest / 2 + style.pt(1);
    const double room = (areaRight - areaLeft) / std::max<double>(1, across_.ticks.size() - 1);
    if (room >= widest + style.pt(6)) {
      break;
    }
  }
  horizontalTitle_ =
      NoteTextBox(shownText(plot.horizontalAxis), axisFont,
                  std::max(areaRight - areaLeft, style.pt(10)), style, Qt::AlignHCenter);
  const double below =
      style.pt(kTick) + style.pt(2) + tickHeight + style.pt(3) + horizontalTitle_.height();
  const double areaTop = chartTop_ + tickHeight / 2;
  const double areaBottom = chartTop_ + chartHeight - below;
  area_ = QRectF(QPointF(areaLeft, areaTop), QPointF(areaRight, std::max(areaBottom, areaTop + 1)));

  // The legend: two entries a row, x (the first of each pair) on the right.
  legendTop_ = chartTop_ + chartHeight + style.pt(6);
  const QFont legendFont = style.font(kLegendPoints);
  const double column = (width - style.pt(12)) / 2;
  const double textWidth = column - style.pt(kSample + 4);
  auto add = [&](const std::string& name, const QColor& colour, Qt::PenStyle pen, bool marker) {
    LegendEntry entry;
    entry.text = NoteTextBox(shownText(name), legendFont, textWidth, style);
    entry.colour = colour;
    entry.pen = pen;
    entry.marker = marker;
    entry.bar = bars_;
    entry.left = legend_.size() % 2 == 0 ? width - column : 0;
    legend_.push_back(std::move(entry));
  };
  for (std::size_t k = 0; k < plot.series.size(); ++k) {
    const PlotSeries& s = plot.series[k];
    add(s.name, kDirectionColours.at(k % 2), s.dashed ? Qt::DashLine : Qt::SolidLine, s.markers);
  }
  for (std::size_t k = 0; k < plot.lines.size(); ++k) {
    add(plot.lines[k].name, kLineColours.at(std::min<std::size_t>(k, 2)), Qt::DashDotLine, false);
    legend_.back().bar = false;
  }
  double y = 0;
  for (std::size_t k = 0; k < legend_.size(); k += 2) {
    double row = legend_[k].text.height();
    if (k + 1 < legend_.size()) {
      row = std::max(row, legend_[k + 1].text.height());
      legend_[k + 1].top = y;
    }
    legend_[k].top = y;
    y += row + style.pt(2);
  }
  height_ = legendTop_ + y;
}

void NotePlotLayout::draw(QPainter& painter, double top) const
{
  painter.save();
  painter.translate(0, top);
  title_.draw(painter, 0, 0, note_colours::ink);
  drawAxes(painter, area_);
  drawSeries(painter, area_);
  drawLegend(painter, legendTop_);
  painter.restore();
}

void NotePlotLayout::drawAxes(QPainter& painter, const QRectF& area) const
{
  const auto xOf = [&](double v) {
    return area.right() - (v - across_.low) / (across_.high - across_.low) * area.width();
  };
  const auto yOf = [&](double v) {
    return area.bottom() - (v - up_.low) / (up_.high - up_.low) * area.height();
  };
  QPen grid(kGrid);
  grid.setWidthF(style_.pt(0.4));
  QPen axis(note_colours::rule);
  axis.setWidthF(style_.pt(0.7));
  const double tick = style_.pt(kTick);
  const double tickHeight = style_.lineHeight(tickFont_);

  for (std::size_t k = 0; k < across_.ticks.size(); ++k) {
    const double x = xOf(across_.ticks[k]);
    painter.setPen(grid);
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter.setPen(axis);
    painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + tick));
    painter.setPen(note_colours::ink);
    drawTextLine(painter, style_, across_.labels[k], tickFont_, x - area.left(), x + area.left(),
                 area.bottom() + tick + style_.pt(2), Qt::AlignHCenter);
  }
  for (std::size_t k = 0; k < up_.ticks.size(); ++k) {
    const double y = yOf(up_.ticks[k]);
    painter.setPen(grid);
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(axis);
    painter.drawLine(QPointF(area.right(), y), QPointF(area.right() + tick, y));
    painter.setPen(note_colours::ink);
    const double left = area.right() + tick + style_.pt(2);
    drawTextLine(painter, style_, up_.labels[k], tickFont_, left, left + tickLabelWidth_,
                 y - tickHeight / 2, Qt::AlignLeft | Qt::AlignAbsolute);
  }
  painter.setPen(axis);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);

  horizontalTitle_.draw(painter, area.left(),
                        area.bottom() + tick + style_.pt(2) + tickHeight + style_.pt(3),
                        note_colours::ink);
  // The vertical axis's title along the right edge, read from the top down.
  painter.save();
  painter.translate(width_ - titleRoom_, area.center().y() - verticalTitle_.width() / 2);
  painter.rotate(90);
  verticalTitle_.draw(painter, 0, 0, note_colours::ink);
  painter.restore();
}

void NotePlotLayout::drawSeries(QPainter& painter, const QRectF& area) const
{
  const auto xOf = [&](double v) {
    return area.right() - (v - across_.low) / (across_.high - across_.low) * area.width();
  };
  const auto yOf = [&](double v) {
    return area.bottom() - (v - up_.low) / (up_.high - up_.low) * area.height();
  };
  painter.save();
  painter.setClipRect(area);
  painter.setRenderHint(QPainter::Antialiasing);
  const std::size_t count = plot_.series.size();
  if (bars_) {
    // Story k's bars side by side in its band, one per series.
    const double band = area.height() / (up_.high - up_.low);
    const double thickness = band * 0.8 / static_cast<double>(std::max<std::size_t>(1, count));
    for (std::size_t k = 0; k < count; ++k) {
      const QColor colour = kDirectionColours.at(k % 2);
      QPen edge(colour.darker(130));
      edge.setWidthF(style_.pt(0.3));
      painter.setPen(thickness > style_.pt(1.5) ? edge : QPen(Qt::NoPen));
      painter.setBrush(colour);
      const std::vector<PlotPoint>& points = plot_.series[k].points;
      for (std::size_t s = 0; s < points.size(); ++s) {
        if (!std::isfinite(points[s].x)) {
          continue;
        }
        const double y =
            yOf(static_cast<double>(s + 1)) - band * 0.4 + static_cast<double>(k) * thickness;
        const double x0 = xOf(0);
        const double x1 = xOf(points[s].x);
        painter.drawRect(
            QRectF(QPointF(std::min(x0, x1), y), QPointF(std::max(x0, x1), y + thickness)));
      }
    }
  } else {
    for (std::size_t k = 0; k < count; ++k) {
      const PlotSeries& s = plot_.series[k];
      const QPen pen = seriesPen(style_, k, s);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      QPainterPath path;
      bool open = false;
      for (const PlotPoint& p : s.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
          open = false;
          continue;
        }
        const QPointF at(xOf(p.x), yOf(p.y));
        if (open) {
          path.lineTo(at);
        } else {
          path.moveTo(at);
          open = true;
        }
      }
      painter.drawPath(path);
      if (s.markers) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        for (const PlotPoint& p : s.points) {
          if (std::isfinite(p.x) && std::isfinite(p.y)) {
            painter.drawEllipse(QPointF(xOf(p.x), yOf(p.y)), style_.pt(1.8), style_.pt(1.8));
          }
        }
      }
    }
    for (std::size_t k = 0; k < plot_.lines.size(); ++k) {
      if (!std::isfinite(plot_.lines[k].x)) {
        continue;
      }
      painter.setPen(limitPen(style_, k));
      const double x = xOf(plot_.lines[k].x);
      painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
  }
  painter.restore();
}

void NotePlotLayout::drawLegend(QPainter& painter, double top) const
{
  const double column = (width_ - style_.pt(12)) / 2;
  for (const LegendEntry& entry : legend_) {
    const double y = top + entry.top;
    const double middle = y + entry.text.height() / 2;
    const double sampleRight = entry.left + column;
    const double sampleLeft = sampleRight - style_.pt(kSample);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (entry.bar) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(entry.colour);
      painter.drawRect(
          QRectF(sampleLeft + style_.pt(4), middle - style_.pt(3), style_.pt(14), style_.pt(6)));
    } else {
      QPen pen(entry.colour);
      pen.setWidthF(style_.pt(1.3));
      pen.setStyle(entry.pen);
      painter.setPen(pen);
      painter.drawLine(QPointF(sampleLeft, middle), QPointF(sampleRight, middle));
      if (entry.marker) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.colour);
        painter.drawEllipse(QPointF((sampleLeft + sampleRight) / 2, middle), style_.pt(1.8),
                            style_.pt(1.8));
      }
    }
    painter.restore();
    entry.text.draw(painter, entry.left, y, note_colours::ink);
  }
}

}  // namespace vorn
