#pragma once

#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "windows/common/plot_data.h"

class QChart;
class QChartView;

namespace vorn {

class Prompter;

// A plot beside a result table: the chart, drawn right to left (the vertical axis on the right,
// the horizontal axis growing to the left, as the tables read) with its legend below it, x
// entries on the right and y entries on the left, and a button that saves chart and legend as a
// PNG or SVG image.
class PlotPanel : public QWidget {
public:
  PlotPanel(Prompter& prompter, QWidget* parent);

  // Draws the plot; a plot equal to the one drawn last is not drawn again.
  void draw(const Plot& plot);

  QChartView* chartView() const { return view_; }
  QChart* chart() const;
  QPushButton* saveButton() const { return save_; }

  // The chart and its legend as they are shown, as a picture.
  QImage image() const;
  QWidget* figure() const { return figure_; }
  // Writes the chart to an image file in the format its ending names (see plotImageFile).
  bool saveImage(const PlotImageFile& file) const;

private:
  void saveClicked();

  Prompter& prompter_;
  void drawLegend(const Plot& plot);
  // Keeps the chart large enough that neither its title nor its axes' titles are cut short.
  void keepTitlesWhole();

  QWidget* figure_ = nullptr;
  QChartView* view_ = nullptr;
  QWidget* legend_ = nullptr;
  QPushButton* save_ = nullptr;
  Plot drawn_;
  bool hasDrawn_ = false;
};

}  // namespace vorn
