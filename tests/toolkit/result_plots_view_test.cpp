#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLegend>
#include <QValueAxis>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "temp_folder.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/pdelta/form24_pdelta_results_view.h"
#include "views/spectrum/form20_spectrum_view.h"
#include "views/static/form13_static_results_view.h"
#include "views/torsion/form18_torsion_results_view.h"
#include "windows/common/plot_data.h"
#include "windows/static/run1_static.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;
namespace t = plot_texts;

// Pixels drawn in a colour close to one of the two direction colours: x blue, y red.
int bluePixels(const QImage& image)
{
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.blue() > 140 && c.red() < 90 && c.green() < 130;
    }
  }
  return count;
}
int redPixels(const QImage& image)
{
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() > 150 && c.green() < 90 && c.blue() < 90;
    }
  }
  return count;
}

class ResultPlots : public ::testing::Test {
protected:
  ResultPlots() { createAllWindows(app); }
  void TearDown() override
  {
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(prompter.scriptUsedUp());
  }
  Project& p() { return app.project(); }
  template <typename View>
  View& view(WindowId id)
  {
    return *static_cast<View*>(app.view(id));
  }

  // The window is shown with its plot drawn: the plot lies beside the table on its left, the
  // vertical axis on the right, values growing to the left, in curves of both directions.
  void expectPlotDrawn(QWidget& window, QWidget& table, PlotPanel& panel, const char* title,
                       const char* screenshot)
  {
    ASSERT_TRUE(window.isVisible());
    QApplication::processEvents();
    EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
    EXPECT_LT(panel.mapTo(&window, QPoint(0, 0)).x(), table.mapTo(&window, QPoint(0, 0)).x())
        << "right to left: the table first, the plot on its left";

    QChart* chart = panel.chart();
    EXPECT_EQ(chart->title().toStdString(), title);
    ASSERT_FALSE(chart->series().isEmpty());
    const QList<QAbstractAxis*> horizontal = chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis*> vertical = chart->axes(Qt::Vertical);
    ASSERT_EQ(horizontal.size(), 1);
    ASSERT_EQ(vertical.size(), 1);
    EXPECT_TRUE(horizontal[0]->isReverse());
    EXPECT_EQ(vertical[0]->alignment(), Qt::AlignRight);
    EXPECT_FALSE(horizontal[0]->titleText().isEmpty());
    EXPECT_FALSE(vertical[0]->titleText().isEmpty());

    const QImage image = panel.image();
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(bluePixels(image), 60) << "the x curve is drawn";
    EXPECT_GT(redPixels(image), 60) << "the y curve is drawn";
    if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
      window.grab().save(QString::fromUtf8(dir) + "/" + screenshot);
    }
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(ResultPlots, SpectrumWindowPlotsBothDirectionsBesideTheTable)
{
  p().Rx = 7;
  p().Ry = 11;
  app.run([this] {
    test::clickMainCommand(app.session(), 14);
    p().form19.Text[1].text = "4";
    p().form19.Text[2].text = "0.05";
    test::runSpectrumTable(app.session());
  });
  auto& window = view<Form20View>(WindowId::Form20);
  expectPlotDrawn(window, *window.grid(), *window.plot(), t::spectrumTitle, "form20_plot.png");
  // Two curves and the corner lines T0 and TS.
  EXPECT_EQ(window.plot()->chart()->series().size(), 4);
}

TEST_F(ResultPlots, StaticResultsWindowPlotsForcesAndShearsBesideTheList)
{
  p().N = 4;
  p().H1 = 12;
  p().Ry = 5;
  for (int i = 1; i <= 4; ++i) {
    p().AR[i] = 100;
    p().DL[i] = 500;
    p().HS[i] = 3;
    p().STORYSET[i] = true;
  }
  app.run([this] { RUN1(app.session()); });
  auto& window = view<Form13View>(WindowId::Form13);
  expectPlotDrawn(window, *window.list(), *window.plot(), t::forcesTitle, "form13_plot.png");
  EXPECT_EQ(window.plot()->chart()->series().size(), 4);
}

TEST_F(ResultPlots, PDeltaWindowPlotsDriftsAndStabilityBelowTheGrid)
{
  p().N = 3;
  p().form8.Check[3].value = 0;
  p().Rx = 7;
  p().Ry = 5;
  for (int i = 1; i <= 3; ++i) {
    p().StoryWeight[i] = 60000;
    p().HS[i] = 3;
    p().ForceX[i] = 2000.0 * i;
    p().ForceY[i] = 2500.0 * i;
    p().DRIFTx[i] = 0.01 + 0.002 * i;
    p().DRIFTy[i] = 0.008 + 0.001 * i;
    p().DRIFTMAXx[i] = p().DRIFTx[i] * 1.3;
    p().DRIFTMAXy[i] = p().DRIFTy[i] * 1.4;
    p().DRIFTSET[i] = true;
  }
  app.run([this] {
    test::lockInputsAfterRun(app.session());
    test::clickMainCommand(app.session(), 16);
    test::runPDeltaCheck(app.session());
  });
  auto& window = view<Form24View>(WindowId::Form24);
  ASSERT_TRUE(window.isVisible());
  QApplication::processEvents();
  EXPECT_GT(window.drifts()->mapTo(&window, QPoint(0, 0)).y(),
            window.grid()->mapTo(&window, QPoint(0, 0)).y());
  EXPECT_LT(window.stability()->mapTo(&window, QPoint(0, 0)).x(),
            window.drifts()->mapTo(&window, QPoint(0, 0)).x())
      << "right to left: the drifts first, the stability on their left";
  // Four drift curves of an irregular building; two coefficient curves and three limits.
  EXPECT_EQ(window.drifts()->chart()->series().size(), 4);
  EXPECT_EQ(window.stability()->chart()->series().size(), 5);
  for (PlotPanel* panel : {window.drifts(), window.stability()}) {
    const QImage image = panel->image();
    EXPECT_GT(bluePixels(image), 60);
    EXPECT_GT(redPixels(image), 60);
    EXPECT_EQ(panel->chart()->axes(Qt::Vertical).at(0)->alignment(), Qt::AlignRight);
  }
  EXPECT_EQ(window.drifts()->chart()->title().toStdString(), t::driftsTitle);
  EXPECT_EQ(window.stability()->chart()->title().toStdString(), t::stabilityTitle);
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    window.grab().save(QString::fromUtf8(dir) + "/form24_plot.png");
  }
}

TEST_F(ResultPlots, TorsionWindowPlotsTheTotalMomentsBesideTheGrid)
{
  p().N = 4;
  p().H1 = 12;
  p().FDIMx = 12;
  p().FDIMy = 10;
  p().FTHK = 0.5;
  for (int i = 1; i <= 4; ++i) {
    p().LevelHeight[i] = 3.0 * i;
    p().StoryWeight[i] = 40000;
    p().ForceX[i] = 2000.0 * i;
    p().ForceY[i] = 1500.0 * i;
    p().CMx[i] = 6;
    p().CMy[i] = 5;
    p().CRx[i] = 7;
    p().CRy[i] = 4.5;
    p().DIMx[i] = 12;
    p().DIMy[i] = 10;
    p().CMSET[i] = true;
  }
  app.run([this] { RUN2(app.session()); });
  auto& window = view<Form18View>(WindowId::Form18);
  expectPlotDrawn(window, *window.grid(), *window.plot(), t::torsionTitle, "form18_plot.png");
}

// ---- The plot panel on its own -------------------------------------------------------------

class PlotPanelTest : public ::testing::Test {
protected:
  PlotPanelTest()
  {
    panel.resize(640, 480);
    panel.show();
    Plot plot;
    plot.title = t::forcesTitle;
    plot.horizontalAxis = t::forceAxis;
    plot.verticalAxis = t::heightAxis;
    plot.series = {{t::forceX, {{100, 3}, {200, 6}}, true, false},
                   {t::forceY, {{150, 3}, {300, 6}}, true, false}};
    panel.draw(plot);
    QApplication::processEvents();
  }

  test::ScriptedPrompter prompter;
  PlotPanel panel{prompter, nullptr};
  test::TempFolder temp{"vorn-plot"};
  const fs::path folder = temp.path();
};

TEST_F(PlotPanelTest, SavesThePlotAsAPngPictureOfItsSize)
{
  const std::string path = (folder / "forces.png").string();
  ASSERT_TRUE(panel.saveImage({path, PlotImageFile::Format::Png}));
  const QImage saved(QString::fromStdString(path));
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), panel.figure()->size());
  EXPECT_GT(bluePixels(saved), 30);
  EXPECT_GT(redPixels(saved), 30);
}

TEST_F(PlotPanelTest, SavesThePlotAsAnSvgDrawingWithItsTexts)
{
  const std::string path = (folder / "forces.svg").string();
  ASSERT_TRUE(panel.saveImage({path, PlotImageFile::Format::Svg}));
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString svg = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("</svg>"));
  EXPECT_TRUE(svg.contains("<path") || svg.contains("<polyline"));
  EXPECT_TRUE(svg.contains(QString::fromUtf8(t::forcesTitle))) << "the title is in the drawing";
}

TEST_F(PlotPanelTest, AFolderThatDoesNotExistIsAFailedSave)
{
  EXPECT_FALSE(
      panel.saveImage({(folder / "no" / "forces.png").string(), PlotImageFile::Format::Png}));
  EXPECT_FALSE(fs::exists(folder / "no"));
}

TEST_F(PlotPanelTest, AnEqualPlotIsNotDrawnAgainAndAChangedOneIs)
{
  QAbstractSeries* first = panel.chart()->series().at(0);
  Plot same;
  same.title = t::forcesTitle;
  same.horizontalAxis = t::forceAxis;
  same.verticalAxis = t::heightAxis;
  same.series = {{t::forceX, {{100, 3}, {200, 6}}, true, false},
                 {t::forceY, {{150, 3}, {300, 6}}, true, false}};
  panel.draw(same);
  EXPECT_EQ(panel.chart()->series().at(0), first);

  same.series.pop_back();
  panel.draw(same);
  EXPECT_EQ(panel.chart()->series().size(), 1);
}

}  // namespace
}  // namespace vorn
