#include "toolkit/plot_panel_view.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "session/prompter.h"
#include "toolkit/button_row_view.h"
#include "toolkit/number_label_view.h"

namespace vorn {

namespace {

// The least a chart shrinks to, whatever its titles.
constexpr QSize kSmallestChart{240, 180};

// The two directions keep their colours in every plot: x blue, y red.
const std::array<QColor, 2> kDirectionColours = {QColor(0x1f, 0x5f, 0xb4),
                                                 QColor(0xc6, 0x28, 0x28)};
// The limit lines: the first (T0, the negligible limit) green, then dark red and brown.
const std::array<QColor, 3> kLineColours = {QColor(0x2e, 0x7d, 0x32), QColor(0x8e, 0x24, 0x4a),
                                            QColor(0x6d, 0x4c, 0x41)};

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void take(double v)
  {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  bool valid() const { return low <= high; }
};

// A value range that starts at zero (or below it, for negative values) with a little room
// above the largest value.
Range valueRange(Range r)
{
  if (!r.valid()) {
    return {0, 1};
  }
  r.take(0);
  const double span = r.high - r.low;
  if (span <= 0) {
    return {r.low, r.low + 1};
  }
  if (r.high > 0) {
    r.high += span * 0.05;
  }
  if (r.low < 0) {
    r.low -= span * 0.05;
  }
  return r;
}

// A story axis from 0 to one past the top story, ticks on whole stories at a readable step.
void setStoryTicks(QValueAxis* axis, double topStory)
{
  const int top = std::max(1, static_cast<int>(std::ceil(topStory)));
  const int step = plotStoryStep(top);
  const int high = (top / step + 1) * step;
  axis->setRange(0, high);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(step);
  axis->setLabelFormat("%.0f");
}

QPen seriesPen(std::size_t index, const PlotSeries& s)
{
  QPen pen(kDirectionColours.at(index % 2));
  pen.setWidthF(s.markers ? 1.5 : 2.5);
  if (s.dashed) {
    pen.setStyle(Qt::DashLine);
  }
  return pen;
}

QPen linePen(std::size_t index)
{
  QPen pen(kLineColours.at(std::min(index, kLineColours.size() - 1)));
  pen.setWidthF(1.5);
  pen.setStyle(Qt::DashDotLine);
  return pen;
}

// Tick labels with as many decimals as the step between ticks needs, and no more.
void setLabelDecimals(QValueAxis* axis)
{
  const int ticks = std::max(2, axis->tickCount());
  const double step = (axis->max() - axis->min()) / (ticks - 1);
  int decimals = 0;
  double scaled = step;
  while (decimals < 4 && std::abs(scaled - std::round(scaled)) > 1e-6 * std::max(1.0, scaled)) {
    ++decimals;
    scaled *= 10;
  }
  axis->setLabelFormat(QString("%.%1f").arg(decimals));
}

// The sample of a legend entry: a short stretch of the curve with its marker, or a bar.
QPixmap legendSample(const QPen& pen, bool marker, bool bar)
{
  QPixmap sample(36, 16);
  sample.fill(Qt::transparent);
  QPainter painter(&sample);
  painter.setRenderHint(QPainter::Antialiasing);
  if (bar) {
    painter.setPen(pen.color().darker());
    painter.setBrush(pen.color());
    painter.drawRect(QRectF(6, 2, 24, 12));
    return sample;
  }
  painter.setPen(pen);
  painter.drawLine(QPointF(2, 8), QPointF(34, 8));
  if (marker) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.color());
    painter.drawEllipse(QPointF(18, 8), 4, 4);
  }
  return sample;
}

}  // namespace

PlotPanel::PlotPanel(Prompter& prompter, QWidget* parent) : QWidget(parent), prompter_(prompter)
{
  // The figure: the chart and, below it, the legend, on white.
  figure_ = new QWidget(this);
  figure_->setObjectName("Figure");
  figure_->setAutoFillBackground(true);
  QPalette white = figure_->palette();
  white.setColor(QPalette::Window, Qt::white);
  figure_->setPalette(white);

  auto* chart = new QChart;
  chart->setLocalizeNumbers(false);
  chart->legend()->hide();
  chart->setBackgroundRoundness(0);
  view_ = new QChartView(chart, figure_);
  view_->setObjectName("Plot");
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(kSmallestChart);
  view_->setFrameShape(QFrame::NoFrame);
  legend_ = new QWidget(figure_);
  legend_->setObjectName("Legend");
  auto* legendLayout = new QGridLayout(legend_);
  legendLayout->setContentsMargins(12, 0, 12, 8);
  legendLayout->setHorizontalSpacing(24);
  legendLayout->setVerticalSpacing(2);

  auto* figureLayout = new QVBoxLayout(figure_);
  figureLayout->setContentsMargins(0, 0, 0, 0);
  figureLayout->setSpacing(0);
  figureLayout->addWidget(view_, 1);
  figureLayout->addWidget(legend_);

  save_ = new QPushButton(QString::fromUtf8(plot_texts::saveButton), this);
  save_->setObjectName("SavePlot");
  keepRoomForText(save_);
  connect(save_, &QPushButton::clicked, this, [this] { saveClicked(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(figure_, 1);
  layout->addLayout(buttons);
}

QChart* PlotPanel::chart() const
{
  return view_->chart();
}

void PlotPanel::draw(const Plot& plot)
{
  if (hasDrawn_ && plot == drawn_) {
    return;
  }
  drawn_ = plot;
  hasDrawn_ = true;
  drawLegend(plot);

  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }
  QFont titleFont = font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
  c->setTitleFont(titleFont);
  c->setTitle(QString::fromStdString(plot.title));

  // Right to left: the vertical axis stands on the right and values grow to the left.
  auto* horizontal = new QValueAxis;
  horizontal->setTitleText(QString::fromStdString(plot.horizontalAxis));
  horizontal->setReverse(true);
  c->addAxis(horizontal, Qt::AlignBottom);

  Range across;
  Range up;
  for (const PlotSeries& s : plot.series) {
    for (const PlotPoint& p : s.points) {
      across.take(p.x);
      up.take(p.y);
    }
  }
  for (const PlotLine& l : plot.lines) {
    across.take(l.x);
  }
  const Range h = valueRange(across);
  horizontal->setRange(h.low, h.high);
  horizontal->applyNiceNumbers();
  setLabelDecimals(horizontal);

  if (plot.kind == Plot::Kind::StoryBars) {
    auto* bars = new QHorizontalBarSeries;
    std::size_t stories = 0;
    for (std::size_t k = 0; k < plot.series.size(); ++k) {
      const PlotSeries& s = plot.series[k];
      auto* set = new QBarSet(QString::fromStdString(s.name));
      set->setColor(kDirectionColours.at(k % 2));
      set->setBorderColor(kDirectionColours.at(k % 2).darker());
      for (const PlotPoint& p : s.points) {
        set->append(p.x);
      }
      stories = std::max(stories, s.points.size());
      bars->append(set);
    }
    c->addSeries(bars);
    // Story k's bar stands at k - 1; the first story and every step-th are numbered (a number
    // for each of a tall building's stories would leave none room to be read).
    auto* storiesAxis = new QCategoryAxis;
    storiesAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    storiesAxis->setGridLineVisible(false);
    const int top = std::max(1, static_cast<int>(stories));
    storiesAxis->setRange(-0.5, top - 0.5);
    const int step = plotStoryStep(top);
    if (step > 1) {
      storiesAxis->append(QString::number(1), 0);
    }
    for (int k = step; k <= top; k += step) {
      storiesAxis->append(QString::number(k), k - 1);
    }
    storiesAxis->setTitleText(QString::fromStdString(plot.verticalAxis));
    c->addAxis(storiesAxis, Qt::AlignRight);
    bars->attachAxis(horizontal);
    bars->attachAxis(storiesAxis);
    keepTitlesWhole();
    return;
  }

  auto* vertical = new QValueAxis;
  vertical->setTitleText(QString::fromStdString(plot.verticalAxis));
  c->addAxis(vertical, Qt::AlignRight);
  if (plot.storyAxis) {
    setStoryTicks(vertical, up.valid() ? up.high : 1);
  } else {
    const Range v = valueRange(up);
    vertical->setRange(v.low, v.high);
    vertical->applyNiceNumbers();
    setLabelDecimals(vertical);
  }

  for (std::size_t k = 0; k < plot.series.size(); ++k) {
    const PlotSeries& s = plot.series[k];
    auto* line = new QLineSeries;
    line->setName(QString::fromStdString(s.name));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(s.points.size()));
    for (const PlotPoint& p : s.points) {
      points.append(QPointF(p.x, p.y));
    }
    line->replace(points);
    line->setPen(seriesPen(k, s));
    line->setPointsVisible(s.markers);
    line->setMarkerSize(7);
    c->addSeries(line);
    line->attachAxis(horizontal);
    line->attachAxis(vertical);
  }
  for (std::size_t k = 0; k < plot.lines.size(); ++k) {
    const PlotLine& l = plot.lines[k];
    auto* line = new QLineSeries;
    line->setName(QString::fromStdString(l.name));
    line->append(l.x, vertical->min());
    line->append(l.x, vertical->max());
    line->setPen(linePen(k));
    c->addSeries(line);
    line->attachAxis(horizontal);
    line->attachAxis(vertical);
  }
  keepTitlesWhole();
}

void PlotPanel::keepTitlesWhole()
{
  // A chart cuts a title longer than the room it has short ("..."): its own title to its width,
  // an axis title to the length of its axis. It also squeezes an axis, cutting its numbers and
  // title, that would take more than a part of the chart's width or height. The room the axes,
  // the titles and the margins take around the plotted area is measured by laying the chart out
  // at trial sizes: first so large that nothing is squeezed, then from the least size the titles
  // need upwards until nothing is.
  QChart* c = chart();
  const QSizeF shown = c->size();
  auto aroundAt = [c](const QSizeF& size) {
    c->resize(size);
    c->layout()->activate();
    return size - c->plotArea().size();
  };
  const QSizeF around = aroundAt(QSizeF(1600, 1200));

  constexpr int kRoom = 12;  // a little air at the ends of each title
  // The titles along the plotted area, the axes' numbers each in its share of the chart's width or
  // height (a number that does not fit its share is cut too).
  int across = QFontMetrics(c->titleFont()).horizontalAdvance(c->title());
  int up = 0;
  QSize numbersNeed;
  for (QAbstractAxis* axis : c->axes()) {
    const bool horizontal = axis->orientation() == Qt::Horizontal;
    int& along = horizontal ? across : up;
    along = std::max(along, QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()));
    const QFontMetrics numbers(axis->labelsFont());
    int widest = 0;
    int ticks = 0;
    if (auto* categories = qobject_cast<QCategoryAxis*>(axis)) {
      for (const QString& label : categories->categoriesLabels()) {
        widest = std::max(widest, numbers.horizontalAdvance(label));
      }
      ticks = categories->count();
    } else if (const auto* values = qobject_cast<const QValueAxis*>(axis)) {
      const QByteArray format = values->labelFormat().toLatin1();
      widest =
          std::max(numbers.horizontalAdvance(QString::asprintf(format.constData(), values->min())),
                   numbers.horizontalAdvance(QString::asprintf(format.constData(), values->max())));
      ticks = values->tickType() == QValueAxis::TicksDynamic && values->tickInterval() > 0
                  ? static_cast<int>((values->max() - values->min()) / values->tickInterval()) + 1
                  : values->tickCount();
    }
    if (ticks > 0) {
      if (horizontal) {
        numbersNeed.setWidth(ticks * (widest + kRoom));
      } else {
        numbersNeed.setHeight(ticks * (numbers.height() + kRoom));
      }
    }
  }
  QSize least = QSize(across + kRoom + static_cast<int>(std::ceil(around.width())),
                      up + kRoom + static_cast<int>(std::ceil(around.height())))
                    .expandedTo(numbersNeed)
                    .expandedTo(kSmallestChart);
  for (int step = 0; step < 40; ++step) {
    const QSizeF at = aroundAt(least);
    const bool squeezedAcross = at.width() < around.width() - 0.5;
    const bool squeezedUp = at.height() < around.height() - 0.5;
    if (!squeezedAcross && !squeezedUp) {
      break;
    }
    least += QSize(squeezedAcross ? 10 : 0, squeezedUp ? 10 : 0);
  }
  c->resize(shown);
  c->layout()->activate();
  view_->setMinimumSize(least);
}

void PlotPanel::drawLegend(const Plot& plot)
{
  auto* grid = static_cast<QGridLayout*>(legend_->layout());
  while (QLayoutItem* item = grid->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  // Two entries a row: the curves of x and y side by side, x first (on the right).
  int k = 0;
  auto add = [this, grid, &k](const std::string& name, const QPixmap& sample) {
    auto* entry = new QWidget(legend_);
    auto* row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(entry);
    picture->setPixmap(sample);
    // A limit's value reads as written ("= .25"), its point in front of the digits.
    auto* text = new QLabel(withIsolatedNumber(name), entry);
    text->setObjectName("LegendEntry");
    row->addWidget(picture);
    row->addWidget(text);
    row->addStretch();
    grid->addWidget(entry, k / 2, k % 2);
    ++k;
  };
  const bool bars = plot.kind == Plot::Kind::StoryBars;
  for (std::size_t i = 0; i < plot.series.size(); ++i) {
    const PlotSeries& s = plot.series[i];
    add(s.name, legendSample(seriesPen(i, s), s.markers, bars));
  }
  for (std::size_t i = 0; i < plot.lines.size(); ++i) {
    add(plot.lines[i].name, legendSample(linePen(i), false, false));
  }
}

QImage PlotPanel::image() const
{
  QImage picture(figure_->size(), QImage::Format_ARGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  figure_->render(&painter);
  return picture;
}

bool PlotPanel::saveImage(const PlotImageFile& file) const
{
  const QString path = QFile::decodeName(QByteArray::fromStdString(file.path));
  if (file.format == PlotImageFile::Format::Png) {
    return image().save(path, "PNG");
  }
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(figure_->size());
  svg.setViewBox(QRect(QPoint(0, 0), figure_->size()));
  svg.setTitle(chart()->title());
  QPainter painter;
  if (!painter.begin(&svg)) {
    return false;
  }
  figure_->render(&painter);
  return painter.end();
}

void PlotPanel::saveClicked()
{
  const QString png = QString::fromUtf8(plot_texts::pngFilter);
  const QString svg = QString::fromUtf8(plot_texts::svgFilter);
  QString filter = png;
  const QString chosen = QFileDialog::getSaveFileName(
      this, QString::fromUtf8(plot_texts::saveCaption), QString(), png + ";;" + svg, &filter);
  if (chosen.isEmpty()) {
    return;
  }
  if (!saveImage(plotImageFile(QFile::encodeName(chosen).toStdString(), filter == svg))) {
    prompter_.message(plot_texts::saveFailed, kProgramTitle);
  }
}

}  // namespace vorn
