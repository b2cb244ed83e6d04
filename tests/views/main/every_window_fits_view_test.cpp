#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "offscreen_screen.h"
#include "report_buildings.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "toolkit/window_view.h"
#include "views/main/all_windows_view.h"

namespace vorn {
namespace {

// What a laptop of 1366 x 768 pixels leaves a window: the work area under a panel of 40 pixels,
// less the window's title bar and borders.
const QSize kLaptopRoom(1366 - 16, 728 - 40);

int widestLine(const QFontMetrics& metrics, const QString& text)
{
  int widest = 0;
  for (const QString& line : text.split('\n')) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest;
}

// Fails the test for every text of the window cut short: a label's (on one line) or a push
// button's text wider than the room it has (a button's letters need half a line's height of room
// on either side), a plot's title wider than the chart or an axis title longer than its side of
// the plotted area.
void expectNoTextCut(const QWidget& window)
{
  auto check = [](const QString& what, const QString& text, qreal needed, qreal room) {
    EXPECT_LE(needed, room) << what.toStdString() << ": " << text.toStdString();
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const QString text = label->text();
    if (label->isVisible() && !label->wordWrap() && !Qt::mightBeRichText(text)) {
      check(label->objectName(), text, widestLine(label->fontMetrics(), text),
            label->contentsRect().width());
    }
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->isVisible()) {
      const QFontMetrics metrics = button->fontMetrics();
      check(button->objectName(), button->text(),
            metrics.horizontalAdvance(button->text().trimmed()) + metrics.height(),
            button->contentsRect().width());
    }
  }
  for (const QChartView* view : window.findChildren<QChartView*>()) {
    const QChart* chart = view->chart();
    check("chart", chart->title(),
          QFontMetrics(chart->titleFont()).horizontalAdvance(chart->title()),
          chart->size().width());
    for (const QAbstractAxis* axis : chart->axes()) {
      const bool across = axis->orientation() == Qt::Horizontal;
      check("axis", axis->titleText(),
            QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()),
            across ? chart->plotArea().width() : chart->plotArea().height());
    }
  }
}

// Every window of the program, filled with a building of two hundred stories, on a laptop's
// screen.
class EveryWindowOnALaptop : public ::testing::Test {
protected:
  EveryWindowOnALaptop()
  {
    createAllWindows(app);
    app.run([this] { test::describeTallBuilding(app.session()); });
  }

  // Shows each window in turn, as the project shows it, and hands it to `check`; the project's
  // windows are left as they were.
  template <typename Check>
  void eachWindow(Check check)
  {
    for (int w = 0; w < kWindowCount; ++w) {
      const auto id = static_cast<WindowId>(w);
      WindowView* view = app.view(id);
      ASSERT_NE(view, nullptr);
      SCOPED_TRACE(std::string(windowName(id)));
      WindowState& state = app.project().window(id);
      const WindowState saved = state;
      state.visible = true;
      app.refresh();
      QApplication::processEvents();
      ASSERT_TRUE(view->isVisible());
      check(*view);
      state = saved;
      app.refresh();
    }
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(EveryWindowOnALaptop, EachOpensWithinTheScreensFreeAreaWithNoTextCut)
{
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_EQ(screen->geometry().size(), QSize(test::kLaptopWidth, test::kLaptopHeight))
      << "the test main puts the tests on a laptop's screen";
  const QRect area = screen->availableGeometry();
  eachWindow([&](WindowView& window) {
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << window.frameGeometry().width() << "x" << window.frameGeometry().height();
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint());
    EXPECT_LE(least.width(), kLaptopRoom.width());
    EXPECT_LE(least.height(), kLaptopRoom.height());
    expectNoTextCut(window);
  });
}

TEST_F(EveryWindowOnALaptop, EachShrinksToItsLeastSizeWithNoTextNorPlotTitleCut)
{
  const char* pictures = std::getenv("VORN_SCREENSHOT_DIR");
  eachWindow([&](WindowView& window) {
    window.resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(window.size(),
              window.minimumSize().expandedTo(window.minimumSizeHint()).expandedTo(QSize(1, 1)));
    expectNoTextCut(window);
    if (pictures != nullptr) {
      window.grab().save(QString::fromUtf8(pictures) + "/least-" + window.objectName() + ".png");
    }
  });
}

}  // namespace
}  // namespace vorn
