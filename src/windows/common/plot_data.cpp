#include "windows/common/plot_data.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "model/grid.h"
#include "model/number_text.h"
#include "model/project.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {

namespace {

// The number a cell shows; nothing for an empty cell or a cell of words ("قابل صرفنظر").
std::optional<double> cellNumber(const Grid& g, int row, int col)
{
  if (row >= g.rows() || col >= g.cols()) {
    return std::nullopt;
  }
  const std::string& text = g.text(row, col);
  const auto first = std::find_if(text.begin(), text.end(), [](char c) { return c != ' '; });
  if (first == text.end()) {
    return std::nullopt;
  }
  const unsigned char c = static_cast<unsigned char>(*first);
  if (!std::isdigit(c) && c != '.' && c != '-' && c != '+') {
    return std::nullopt;
  }
  return numericValue(text);
}

// The story number of a grid row whose first column shows one within the stories a project
// holds.
std::optional<int> storyOfRow(const Grid& g, int row)
{
  const std::optional<double> story = cellNumber(g, row, 0);
  if (!story || *story < 1 || *story > kMaxStories) {
    return std::nullopt;
  }
  return static_cast<int>(*story);
}

// Adds a point for the number of each data row in a column, at the row's story number (or its
// level height, read from heightCol).
std::vector<PlotPoint> storyProfile(const Grid& g, int valueCol, double scale, int heightCol = 0)
{
  std::vector<PlotPoint> points;
  for (int r = 1; r < g.rows(); ++r) {
    const std::optional<double> value = cellNumber(g, r, valueCol);
    const std::optional<double> height = cellNumber(g, r, heightCol);
    // A value the scale takes beyond a double (a hand-edited project file) gets no point.
    if (value && height && std::isfinite(*value * scale)) {
      points.push_back({*value * scale, *height});
    }
  }
  return points;
}

// Story shears as steps, from level forces given at their heights (lowest level first): the
// shear of a story is the sum of the forces at its top level and above, and holds from the
// level below up to its top level.
std::vector<PlotPoint> shearSteps(const std::vector<PlotPoint>& forces)
{
  std::vector<PlotPoint> steps;
  double shear = 0;
  for (const PlotPoint& f : forces) {
    shear += f.x;
  }
  double below = 0;
  for (const PlotPoint& f : forces) {
    steps.push_back({shear, below});
    steps.push_back({shear, f.y});
    shear -= f.x;
    below = f.y;
  }
  return steps;
}

std::string limitName(const char* name, double value)
{
  return name + padded(roundHalfEven(value, 3));
}

// Above the smaller of 0.25 and 1.25 / R a story is unstable.
double unstableLimit(double R)
{
  return R > 0 ? std::min(0.25, 1.25 / R) : 0.25;
}

}  // namespace

bool Plot::empty() const
{
  return std::all_of(series.begin(), series.end(),
                     [](const PlotSeries& s) { return s.points.empty(); });
}

Plot spectrumPlot(const Project& p)
{
  namespace t = plot_texts;
  Plot plot;
  plot.title = t::spectrumTitle;
  plot.horizontalAxis = t::periodAxis;
  plot.verticalAxis = t::spectrumAxis;
  const Grid& g = p.form20.MSFlexGrid1;
  PlotSeries x{t::spectrumX, {}, false};
  PlotSeries y{t::spectrumY, {}, false};
  for (int r = 1; r < g.rows(); ++r) {
    const std::optional<double> period = cellNumber(g, r, 0);
    if (!period) {
      continue;
    }
    if (const std::optional<double> value = cellNumber(g, r, 1)) {
      x.points.push_back({*period, *value});
    }
    if (const std::optional<double> value = cellNumber(g, r, 2)) {
      y.points.push_back({*period, *value});
    }
  }
  plot.series = {x, y};
  if (!plot.empty()) {
    plot.lines = {{t::plateauStart + padded(p.T0), p.T0}, {t::plateauEnd + padded(p.TS), p.TS}};
  }
  return plot;
}

Plot storyForcesPlot(const Project& p)
{
  namespace t = plot_texts;
  // Columns of the static results grid: level height, then the forces in x and y.
  constexpr int heightCol = 2, forceXCol = 4, forceYCol = 5;
  Plot plot;
  plot.title = t::forcesTitle;
  plot.horizontalAxis = t::forceAxis;
  plot.verticalAxis = t::heightAxis;
  const Grid& g = p.form13.MSFlexGrid1;
  const std::vector<PlotPoint> forcesX = storyProfile(g, forceXCol, 1, heightCol);
  const std::vector<PlotPoint> forcesY = storyProfile(g, forceYCol, 1, heightCol);
  plot.series = {
      {t::forceX, forcesX, true},
      {t::forceY, forcesY, true},
      {t::shearX, shearSteps(forcesX), false},
      {t::shearY, shearSteps(forcesY), false},
  };
  return plot;
}

namespace {

// The P-Delta grid of an irregular building shows the maximum drifts in columns 5 and 6.
bool showsMaximumDrifts(const Grid& g)
{
  return g.rows() > 0 && g.cols() > 5 && g.text(0, 5) == form24_texts::maximumHeadings[0];
}

}  // namespace

Plot storyDriftsPlot(const Project& p)
{
  namespace t = plot_texts;
  // Drifts are shown in metres: the plot gives them in centimetres, as they are typed.
  constexpr double cmPerMetre = 100;
  Plot plot;
  plot.title = t::driftsTitle;
  plot.horizontalAxis = t::driftAxis;
  plot.verticalAxis = t::storyAxis;
  plot.storyAxis = true;
  const Grid& g = p.form24.MSFlexGrid1;
  plot.series = {
      {t::driftX, storyProfile(g, 1, cmPerMetre), true},
      {t::driftY, storyProfile(g, 3, cmPerMetre), true},
  };
  if (showsMaximumDrifts(g)) {
    plot.series.push_back({t::driftMaxX, storyProfile(g, 5, cmPerMetre), true, true});
    plot.series.push_back({t::driftMaxY, storyProfile(g, 6, cmPerMetre), true, true});
  }
  return plot;
}

Plot stabilityPlot(const Project& p)
{
  namespace t = plot_texts;
  Plot plot;
  plot.title = t::stabilityTitle;
  plot.horizontalAxis = t::stabilityAxis;
  plot.verticalAxis = t::storyAxis;
  plot.storyAxis = true;
  const Grid& g = p.form24.MSFlexGrid1;
  // The total-shear cells of x and y: a story whose coefficient is undetermined says so there.
  const int totalX = showsMaximumDrifts(g) ? 10 : 6;
  const int totalY = totalX + 2;
  PlotSeries x{t::stabilityX, {}, true};
  PlotSeries y{t::stabilityY, {}, true};
  for (int r = 1; r < g.rows(); ++r) {
    const std::optional<int> story = storyOfRow(g, r);
    if (!story) {
      continue;
    }
    if (totalX < g.cols() && g.text(r, totalX) != form24_texts::undetermined) {
      x.points.push_back({p.THETAx[*story], static_cast<double>(*story)});
    }
    if (totalY < g.cols() && g.text(r, totalY) != form24_texts::undetermined) {
      y.points.push_back({p.THETAy[*story], static_cast<double>(*story)});
    }
  }
  plot.series = {x, y};
  if (!plot.empty()) {
    const double limitX = unstableLimit(p.Rx);
    const double limitY = unstableLimit(p.Ry);
    plot.lines.push_back({limitName(t::negligibleLimit, 0.1), 0.1});
    if (limitX == limitY) {
      plot.lines.push_back({limitName(t::unstableLimit, limitX), limitX});
    } else {
      plot.lines.push_back({limitName(t::unstableLimitX, limitX), limitX});
      plot.lines.push_back({limitName(t::unstableLimitY, limitY), limitY});
    }
  }
  return plot;
}

Plot torsionPlot(const Project& p)
{
  namespace t = plot_texts;
  // Columns of the torsion results grid: the total moments for the shear in x and in y.
  constexpr int totalXCol = 7, totalYCol = 10;
  Plot plot;
  plot.kind = Plot::Kind::StoryBars;
  plot.title = t::torsionTitle;
  plot.horizontalAxis = t::momentAxis;
  plot.verticalAxis = t::storyAxis;
  plot.storyAxis = true;
  const Grid& g = p.form18.MSFlexGrid1;
  PlotSeries x{form18_texts::headers[totalXCol], {}, false};
  PlotSeries y{form18_texts::headers[totalYCol], {}, false};
  // Bars stand for the stories 1, 2, … in order: the rows stop at the first that shows none.
  for (int r = 1; r < g.rows(); ++r) {
    const std::optional<int> story = storyOfRow(g, r);
    if (!story || *story != r) {
      break;
    }
    const double s = *story;
    x.points.push_back({cellNumber(g, r, totalXCol).value_or(0), s});
    y.points.push_back({cellNumber(g, r, totalYCol).value_or(0), s});
  }
  plot.series = {x, y};
  return plot;
}

PlotImageFile plotImageFile(const std::string& chosenPath, bool svgFilterChosen)
{
  auto endsWith = [&chosenPath](const std::string& tail) {
    if (chosenPath.size() < tail.size()) {
      return false;
    }
    return std::equal(tail.begin(), tail.end(), chosenPath.end() - tail.size(), [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) ==
             std::tolower(static_cast<unsigned char>(b));
    });
  };
  if (endsWith(".svg")) {
    return {chosenPath, PlotImageFile::Format::Svg};
  }
  if (endsWith(".png")) {
    return {chosenPath, PlotImageFile::Format::Png};
  }
  if (svgFilterChosen) {
    return {chosenPath + ".svg", PlotImageFile::Format::Svg};
  }
  return {chosenPath + ".png", PlotImageFile::Format::Png};
}

int plotStoryStep(int top)
{
  int step = 1;
  for (int candidate : {1, 2, 5, 10, 20, 50}) {
    step = candidate;
    if (top / candidate <= 8) {
      break;
    }
  }
  return step;
}

}  // namespace vorn
