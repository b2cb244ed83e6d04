#pragma once

#include <string>
#include <vector>

namespace vorn {

struct Project;

// Texts of the plots beside the result tables.
namespace plot_texts {
// The design spectrum.
inline constexpr const char* spectrumTitle = "طيف طرح استاندارد براي تحليل ديناميكي طيفي";
inline constexpr const char* periodAxis = "پريود بر حسب ثانيه";
inline constexpr const char* spectrumAxis = "ضريب شتاب طيف بر حسب شتاب ثقلي";
inline constexpr const char* spectrumX = "طيف جهت افقي";
inline constexpr const char* spectrumY = "طيف جهت عمودي";
// The two corner periods of the plateau, each followed by its value.
inline constexpr const char* plateauStart = "T0=";
inline constexpr const char* plateauEnd = "TS=";

// Story forces and shears of the static method.
inline constexpr const char* forcesTitle = "نيروهاي جانبي و برش طبقات به روش استاتيكي";
inline constexpr const char* forceAxis = "نيرو بر حسب كيلوگرم";
inline constexpr const char* heightAxis = "ارتفاع از تراز پايه بر حسب متر";
inline constexpr const char* forceX = "نيروي جانبي طبقه در جهت افقي";
inline constexpr const char* forceY = "نيروي جانبي طبقه در جهت عمودي";
inline constexpr const char* shearX = "برش طبقه در جهت افقي";
inline constexpr const char* shearY = "برش طبقه در جهت عمودي";

// Story drifts.
inline constexpr const char* driftsTitle = "تغيير مكان نسبي طبقات";
inline constexpr const char* driftAxis = "تغيير مكان نسبي بر حسب سانتيمتر";
inline constexpr const char* storyAxis = "شماره طبقه";
inline constexpr const char* driftX = "تغيير مكان نسبي ميانگين جهت افقي";
inline constexpr const char* driftY = "تغيير مكان نسبي ميانگين جهت عمودي";
inline constexpr const char* driftMaxX = "تغيير مكان نسبي حداكثر جهت افقي";
inline constexpr const char* driftMaxY = "تغيير مكان نسبي حداكثر جهت عمودي";

// Stability coefficients and their limits; a limit's name is followed by its value.
inline constexpr const char* stabilityTitle = "ضريب پايداري طبقات (پي-دلتا)";
inline constexpr const char* stabilityAxis = "ضريب پايداري (بدون واحد)";
inline constexpr const char* stabilityX = "ضريب پايداري جهت افقي";
inline constexpr const char* stabilityY = "ضريب پايداري جهت عمودي";
inline constexpr const char* negligibleLimit = "حد اثر قابل صرفنظر=";
inline constexpr const char* unstableLimit = "حد ناپايداري=";
inline constexpr const char* unstableLimitX = "حد ناپايداري جهت افقي=";
inline constexpr const char* unstableLimitY = "حد ناپايداري جهت عمودي=";

// Total torsional moments.
inline constexpr const char* torsionTitle = "لنگر پيچشي كل طبقات";
inline constexpr const char* momentAxis = "لنگر پيچشي بر حسب كيلوگرم متر";

// Saving a plot as an image.
inline constexpr const char* saveButton = "ذخيره نمودار به صورت تصوير";
inline constexpr const char* saveCaption = "ذخيره نمودار";
inline constexpr const char* pngFilter = "PNG (*.png)";
inline constexpr const char* svgFilter = "SVG (*.svg)";
inline constexpr const char* saveFailed =
    "نمودار در اين فايل ذخيره نشد. لطفاً نام و آدرس فايل را اصلاح نماييد";
}  // namespace plot_texts

struct PlotPoint {
  double x = 0;  // along the horizontal axis
  double y = 0;  // along the vertical axis
  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// One curve, or one set of bars, of a plot.
struct PlotSeries {
  std::string name;
  std::vector<PlotPoint> points;
  bool markers = false;  // each point marked, for values that belong to single levels
  bool dashed = false;   // drawn dashed, beside a solid curve of the same direction
  friend bool operator==(const PlotSeries&, const PlotSeries&) = default;
};

// A dashed vertical line across the plot at a value of the horizontal axis.
struct PlotLine {
  std::string name;
  double x = 0;
  friend bool operator==(const PlotLine&, const PlotLine&) = default;
};

// What a plot shows. Lines join the points of each series in order. Bars stand for the stories
// 1 … n: in every series the point of story k is points[k − 1], its x the bar's value and its y
// the story number.
struct Plot {
  enum class Kind { Lines, StoryBars };
  Kind kind = Kind::Lines;
  std::string title;
  std::string horizontalAxis;  // title with its unit
  std::string verticalAxis;
  bool storyAxis = false;  // the vertical axis counts stories: whole numbers only
  std::vector<PlotSeries> series;
  std::vector<PlotLine> lines;

  // Nothing to draw: no series has a point.
  bool empty() const;
  friend bool operator==(const Plot&, const Plot&) = default;
};

// Plots of the values the result windows show; each reads the window's grid (the numbers
// shown) and, where the grid shows no such number, the stored results of the same run. A window
// that no run has filled gives plots without points.

// The design spectrum of both directions against the period, with the corner periods T0 and TS
// of the plateau.
Plot spectrumPlot(const Project& project);
// The lateral force of every level against its height above the base, and the story shears,
// the forces summed from the top down, as steps: the shear of story i holds from level i − 1 up
// to level i.
Plot storyForcesPlot(const Project& project);
// The average drift of every story in centimetres, and for an irregular building the maximum
// drift, against the story number.
Plot storyDriftsPlot(const Project& project);
// The stability coefficient of every story against the story number, with the limit 0.1 below
// which the effect is negligible and the limit above which the story is unstable, the smaller of
// 0.25 and 1.25 / R (one per direction when Rx and Ry give different limits). A story whose
// coefficient could not be computed has no point.
Plot stabilityPlot(const Project& project);
// The total torsional moment of every story for the shear in x and in y, as bars.
Plot torsionPlot(const Project& project);

// A readable step between the numbered stories of an axis up to the top story: few enough
// numbers (at most eight or so) that they fit one above the other on a laptop's screen or in a
// plot of the calculation note.
int plotStoryStep(int top);

// Where and how a plot image is written: the chosen name with ".png" or ".svg" added when the
// name ends in neither (in any letter case), and the format its ending names. The filter chosen
// in the save dialog decides only for a name without either ending.
struct PlotImageFile {
  enum class Format { Png, Svg };
  std::string path;
  Format format = Format::Png;
  friend bool operator==(const PlotImageFile&, const PlotImageFile&) = default;
};
PlotImageFile plotImageFile(const std::string& chosenPath, bool svgFilterChosen);

}  // namespace vorn
