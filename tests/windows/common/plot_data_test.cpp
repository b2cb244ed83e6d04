#include "windows/common/plot_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/static/run1_static.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn {
namespace {

namespace t = plot_texts;

using Points = std::vector<PlotPoint>;

void expectPoints(const Points& actual, const Points& expected, const std::string& what)
{
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_NEAR(actual[k].x, expected[k].x, 1e-9) << what << ", point " << k;
    EXPECT_NEAR(actual[k].y, expected[k].y, 1e-9) << what << ", point " << k;
  }
}

class PlotData : public ::testing::Test {
protected:
  void TearDown() override
  {
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(prompter.scriptUsedUp());
  }
  Project& p() { return s->project; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

// ---- Design spectrum -------------------------------------------------------------------------

// The design coefficient at period T for behaviour factor R, for A = 0.35, I = 1 and the soil
// T0 0.1 s, TS 0.4 s, S 1.5; rounded to four decimals.
double coefficient(double T, double R)
{
  double B;
  if (T <= 0.1) {
    B = 1 + 1.5 * T / 0.1;
  } else if (T <= 0.4) {
    B = 2.5;
  } else {
    B = 2.5 * std::pow(0.4 / (T + 0.00001), 2.0 / 3.0);
  }
  const double value = B / R >= 0.1 ? 0.35 * B / R : 0.035;
  return std::nearbyint(value * 10000) / 10000;
}

TEST_F(PlotData, SpectrumFollowsTheTableOfBothDirectionsWithThePlateauCorners)
{
  p().a = 0.35;
  p().i = 1;
  p().T0 = 0.1;
  p().TS = 0.4;
  p().S = 1.5;
  p().Rx = 7;
  p().Ry = 11;  // the floor 0.1 A I governs y at 0 s and from 1.5 s on
  test::clickMainCommand(*s, 14);
  p().form19.Text[1].text = "2";
  p().form19.Text[2].text = "0.25";
  test::runSpectrumTable(*s);
  ASSERT_TRUE(p().window(WindowId::Form20).visible);

  const Plot plot = spectrumPlot(p());
  EXPECT_EQ(plot.kind, Plot::Kind::Lines);
  EXPECT_EQ(plot.horizontalAxis, t::periodAxis);
  EXPECT_EQ(plot.verticalAxis, t::spectrumAxis);
  ASSERT_EQ(plot.series.size(), 2u);
  EXPECT_EQ(plot.series[0].name, t::spectrumX);
  EXPECT_EQ(plot.series[1].name, t::spectrumY);
  Points x, y;
  for (int k = 0; k <= 8; ++k) {
    const double T = 0.25 * k;
    x.push_back({T, coefficient(T, 7)});
    y.push_back({T, coefficient(T, 11)});
  }
  expectPoints(plot.series[0].points, x, "x");
  expectPoints(plot.series[1].points, y, "y");
  // The plateau value 0.35 x 2.5 / 7 = 0.125 at 0.25 s, between the corners.
  EXPECT_NEAR(plot.series[0].points[1].y, 0.125, 1e-12);
  EXPECT_NEAR(plot.series[1].points[0].y, 0.035, 1e-12);
  EXPECT_NEAR(plot.series[1].points.back().y, 0.035, 1e-12);

  ASSERT_EQ(plot.lines.size(), 2u);
  EXPECT_EQ(plot.lines[0].name, "T0= .1");
  EXPECT_EQ(plot.lines[0].x, 0.1);
  EXPECT_EQ(plot.lines[1].name, "TS= .4");
  EXPECT_EQ(plot.lines[1].x, 0.4);
}

TEST_F(PlotData, PlotsOfWindowsThatNoRunFilledHaveNoPoints)
{
  for (const Plot& plot : {spectrumPlot(p()), storyForcesPlot(p()), storyDriftsPlot(p()),
                           stabilityPlot(p()), torsionPlot(p())}) {
    EXPECT_TRUE(plot.empty()) << plot.title;
    EXPECT_TRUE(plot.lines.empty()) << plot.title;
    EXPECT_FALSE(plot.series.empty()) << plot.title << ": the legend still names the curves";
  }
}

// ---- Static forces -----------------------------------------------------------------------------

TEST_F(PlotData, ForcesAndShearStepsOfTheStaticRunAgainstTheLevelHeights)
{
  // Three alike levels of 100 m2 at 500 kg/m2 (50000 kg each), 3 m stories, braces in both
  // directions with R = 6 in x and 5 in y, A = 0.35, I = 1, soil type 1: the period lies on the
  // plateau (B = 2.5), so Cx = 0.35 x 2.5 / 6 = 0.1458 -> 0.146 and Cy = 0.175.
  // Vx = 150000 x 0.146 = 21900, Vy = 26250, no top force below 0.7 s.
  // F(i) = V x 50000 x 3i / (50000 x (3 + 6 + 9)) = V i / 6.
  p().N = 3;
  p().H1 = 9;
  p().SYSTEMx = p().SYSTEMy = 10;
  p().Rx = 6;
  p().Ry = 5;
  for (int i = 1; i <= 3; ++i) {
    p().AR[i] = 100;
    p().DL[i] = 500;
    p().HS[i] = 3;
    p().STORYSET[i] = true;
  }
  RUN1(*s);
  ASSERT_TRUE(p().window(WindowId::Form13).visible);

  const Plot plot = storyForcesPlot(p());
  EXPECT_EQ(plot.horizontalAxis, t::forceAxis);
  EXPECT_EQ(plot.verticalAxis, t::heightAxis);
  EXPECT_FALSE(plot.storyAxis);
  ASSERT_EQ(plot.series.size(), 4u);
  EXPECT_EQ(plot.series[0].name, t::forceX);
  EXPECT_EQ(plot.series[1].name, t::forceY);
  EXPECT_EQ(plot.series[2].name, t::shearX);
  EXPECT_EQ(plot.series[3].name, t::shearY);
  EXPECT_TRUE(plot.series[0].markers);
  EXPECT_FALSE(plot.series[2].markers);

  expectPoints(plot.series[0].points, {{3650, 3}, {7300, 6}, {10950, 9}}, "forces x");
  expectPoints(plot.series[1].points, {{4375, 3}, {8750, 6}, {13125, 9}}, "forces y");
  // Shears from the top: story 3 carries 10950, story 2 18250, story 1 the base shear.
  expectPoints(plot.series[2].points,
               {{21900, 0}, {21900, 3}, {18250, 3}, {18250, 6}, {10950, 6}, {10950, 9}},
               "shears x");
  expectPoints(plot.series[3].points,
               {{26250, 0}, {26250, 3}, {21875, 3}, {21875, 6}, {13125, 6}, {13125, 9}},
               "shears y");
}

// ---- P-Delta
// -------------------------------------------------------------------------------------

class PDeltaPlots : public PlotData {
protected:
  // Two stories of 3 m, 50000 kg each with 100 m2 of 200 kg/m2 live load taken at 20 %: the
  // gravity load is 66000 kg on story 2 and 132000 kg on story 1. Forces x 1000 and 2000 (shears
  // 3000 and 2000), y 500 and 0 (shears 500 and 0: story 2's coefficient in y is undetermined).
  // Rx = 6 (limit 1.25 / 6 = 0.2083), Ry = 5 (limit 0.25).
  void run(bool regular)
  {
    p().N = 2;
    p().form8.Check[3].value = regular ? 1 : 0;
    p().Rx = 6;
    p().Ry = 5;
    const double forceX[] = {1000, 2000}, forceY[] = {500, 0};
    const double driftX[] = {0.003, 0.01}, driftY[] = {0.002, 0.004};
    const double maxX[] = {0.004, 0.012}, maxY[] = {0.003, 0.005};
    for (int i = 1; i <= 2; ++i) {
      p().StoryWeight[i] = 50000;
      p().AR[i] = 100;
      p().LL[i] = 200;
      p().PERL[i] = 20;
      p().HS[i] = 3;
      p().ForceX[i] = forceX[i - 1];
      p().ForceY[i] = forceY[i - 1];
      p().DRIFTx[i] = driftX[i - 1];
      p().DRIFTy[i] = driftY[i - 1];
      p().DRIFTMAXx[i] = maxX[i - 1];
      p().DRIFTMAXy[i] = maxY[i - 1];
      p().DRIFTSET[i] = true;
    }
    test::lockInputsAfterRun(*s);
    test::clickMainCommand(*s, 16);
    test::runPDeltaCheck(*s);
    ASSERT_TRUE(p().window(WindowId::Form24).visible);
  }
};

TEST_F(PDeltaPlots, DriftsInCentimetresAgainstTheStoryWithTheMaximaOfAnIrregularBuilding)
{
  run(false);
  const Plot plot = storyDriftsPlot(p());
  EXPECT_EQ(plot.horizontalAxis, t::driftAxis);
  EXPECT_EQ(plot.verticalAxis, t::storyAxis);
  EXPECT_TRUE(plot.storyAxis);
  ASSERT_EQ(plot.series.size(), 4u);
  EXPECT_EQ(plot.series[0].name, t::driftX);
  EXPECT_EQ(plot.series[1].name, t::driftY);
  EXPECT_EQ(plot.series[2].name, t::driftMaxX);
  EXPECT_EQ(plot.series[3].name, t::driftMaxY);
  EXPECT_FALSE(plot.series[0].dashed);
  EXPECT_TRUE(plot.series[2].dashed);
  expectPoints(plot.series[0].points, {{0.3, 1}, {1.0, 2}}, "average x");
  expectPoints(plot.series[1].points, {{0.2, 1}, {0.4, 2}}, "average y");
  expectPoints(plot.series[2].points, {{0.4, 1}, {1.2, 2}}, "maximum x");
  expectPoints(plot.series[3].points, {{0.3, 1}, {0.5, 2}}, "maximum y");
}

TEST_F(PDeltaPlots, ARegularBuildingPlotsTheAverageDriftsOnly)
{
  run(true);
  const Plot plot = storyDriftsPlot(p());
  ASSERT_EQ(plot.series.size(), 2u);
  expectPoints(plot.series[0].points, {{0.3, 1}, {1.0, 2}}, "average x");
  expectPoints(plot.series[1].points, {{0.2, 1}, {0.4, 2}}, "average y");
}

TEST_F(PDeltaPlots, ADriftWhoseCentimetresAreBeyondADoubleGetsNoPoint)
{
  run(true);
  p().form24.MSFlexGrid1.setCell(2, 1, " 1.7E+308");  // metres, from a hand-edited project file
  const Plot plot = storyDriftsPlot(p());
  expectPoints(plot.series[0].points, {{0.3, 1}}, "average x");
  expectPoints(plot.series[1].points, {{0.2, 1}, {0.4, 2}}, "average y");
}

TEST_F(PDeltaPlots, StabilityCoefficientsAgainstTheNegligibleAndUnstableLimits)
{
  run(false);
  const Plot plot = stabilityPlot(p());
  EXPECT_EQ(plot.horizontalAxis, t::stabilityAxis);
  EXPECT_TRUE(plot.storyAxis);
  ASSERT_EQ(plot.series.size(), 2u);
  // theta = drift x gravity load / shear / height:
  // x: 0.003 x 132000 / 3000 / 3 = 0.044 and 0.01 x 66000 / 2000 / 3 = 0.11;
  // y: 0.002 x 132000 / 500 / 3 = 0.176, story 2 without a shear has no point.
  expectPoints(plot.series[0].points, {{0.044, 1}, {0.11, 2}}, "x");
  expectPoints(plot.series[1].points, {{0.176, 1}}, "y");

  ASSERT_EQ(plot.lines.size(), 3u);
  EXPECT_EQ(plot.lines[0].name, std::string(t::negligibleLimit) + " .1");
  EXPECT_DOUBLE_EQ(plot.lines[0].x, 0.1);
  EXPECT_EQ(plot.lines[1].name, std::string(t::unstableLimitX) + " .208");
  EXPECT_NEAR(plot.lines[1].x, 1.25 / 6, 1e-12);
  EXPECT_EQ(plot.lines[2].name, std::string(t::unstableLimitY) + " .25");
  EXPECT_DOUBLE_EQ(plot.lines[2].x, 0.25);
}

TEST_F(PDeltaPlots, OneUnstableLimitWhenBothDirectionsShareIt)
{
  // R = 4 and 5 both leave 0.25 the smaller limit.
  run(true);
  p().Rx = 4;
  const Plot plot = stabilityPlot(p());
  ASSERT_EQ(plot.lines.size(), 2u);
  EXPECT_EQ(plot.lines[1].name, std::string(t::unstableLimit) + " .25");
  EXPECT_DOUBLE_EQ(plot.lines[1].x, 0.25);
}

// ---- Torsion
// -------------------------------------------------------------------------------------

TEST_F(PlotData, TotalTorsionalMomentsOfEveryStoryAsBars)
{
  // Three stories, regular (factors 1), every story 10 m by 10 m: accidental eccentricity
  // 0.05 x 10 = 0.5 m. Centres of rigidity at 5 m; centres of mass at 5 m in y (no static moment
  // for the x shear) and at 4 m in x (static moment -1 m times the y shear above).
  // x: forces 1000, 2000, 3000 -> MTTx = 0.5 x (6000, 5000, 3000) = 3000, 2500, 1500.
  // y: forces 500 each -> MTy = -1500, -1000, -500, MTAy = 750, 500, 250,
  //    MTTy = -2250, -1500, -750.
  Project& q = p();
  q.N = 3;
  q.H1 = 9;
  q.form8.Check[3].value = 1;
  q.FDIMx = q.FDIMy = 10;
  q.FTHK = 1;
  const double forceX[] = {1000, 2000, 3000};
  for (int i = 1; i <= 3; ++i) {
    q.LevelHeight[i] = 3.0 * i;
    q.StoryWeight[i] = 10000;
    q.ForceX[i] = forceX[i - 1];
    q.ForceY[i] = 500;
    q.CMx[i] = 4;
    q.CMy[i] = q.CRx[i] = q.CRy[i] = 5;
    q.DIMx[i] = q.DIMy[i] = 10;
    q.CMSET[i] = true;
  }
  RUN2(*s);
  ASSERT_TRUE(p().window(WindowId::Form18).visible);

  const Plot plot = torsionPlot(p());
  EXPECT_EQ(plot.kind, Plot::Kind::StoryBars);
  EXPECT_EQ(plot.horizontalAxis, t::momentAxis);
  EXPECT_EQ(plot.verticalAxis, t::storyAxis);
  ASSERT_EQ(plot.series.size(), 2u);
  EXPECT_EQ(plot.series[0].name, "لنگر پيچشي كل طبقه براي برش افقي");
  EXPECT_EQ(plot.series[1].name, "لنگر پيچشي كل طبقه براي برش عمودي");
  expectPoints(plot.series[0].points, {{3000, 1}, {2500, 2}, {1500, 3}}, "x");
  expectPoints(plot.series[1].points, {{-2250, 1}, {-1500, 2}, {-750, 3}}, "y");
}

// ---- Image files
// ---------------------------------------------------------------------------------

TEST(PlotImageFile, TheEndingNamesTheFormatAndAMissingEndingFollowsTheFilter)
{
  using F = PlotImageFile::Format;
  struct Case {
    const char* chosen;
    bool svgFilter;
    PlotImageFile expected;
  };
  const Case cases[] = {
      {"/home/a/spectrum.png", false, {"/home/a/spectrum.png", F::Png}},
      {"/home/a/spectrum.png", true, {"/home/a/spectrum.png", F::Png}},
      {"/home/a/spectrum.SVG", false, {"/home/a/spectrum.SVG", F::Svg}},
      {"/home/a/spectrum.Png", true, {"/home/a/spectrum.Png", F::Png}},
      {"/home/a/spectrum", false, {"/home/a/spectrum.png", F::Png}},
      {"/home/a/spectrum", true, {"/home/a/spectrum.svg", F::Svg}},
      {"/home/a/spectrum.svg.bak", true, {"/home/a/spectrum.svg.bak.svg", F::Svg}},
      {"/home/a/svg", false, {"/home/a/svg.png", F::Png}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plotImageFile(c.chosen, c.svgFilter), c.expected)
        << c.chosen << (c.svgFilter ? " with the SVG filter" : " with the PNG filter");
  }
}

}  // namespace
}  // namespace vorn
