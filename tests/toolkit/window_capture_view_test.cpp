#include "toolkit/window_capture_view.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>
#include <filesystem>

#include "report_buildings.h"
#include "scripted_prompter.h"
#include "temp_folder.h"
#include "toolkit/application_view.h"
#include "toolkit/window_view.h"
#include "views/main/all_windows_view.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

QByteArray contents(const fs::path& path)
{
  QFile f(QString::fromStdString(path.string()));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(WindowCapture, EveryWindowIsPicturedAndDumpedTheSameWayTwiceAndLeftAsItWas)
{
  const test::TempFolder temp("vorn-capture");
  const fs::path folder = temp.path();
  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
  createAllWindows(app);
  app.run([&] { test::describeRegularBuilding(app.session()); });
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  std::vector<bool> visible;
  for (int w = 0; w < kWindowCount; ++w) {
    visible.push_back(app.project().window(static_cast<WindowId>(w)).visible);
  }

  ASSERT_EQ(captureWindows(app, folder.string(), "a"), kWindowCount);
  ASSERT_EQ(captureWindows(app, folder.string(), "b"), kWindowCount);
  for (int w = 0; w < kWindowCount; ++w) {
    const auto id = static_cast<WindowId>(w);
    const std::string name(windowName(id));
    SCOPED_TRACE(name);
    EXPECT_EQ(app.project().window(id).visible, visible[static_cast<std::size_t>(w)]);
    const QImage picture(QString::fromStdString((folder / ("a-" + name + ".png")).string()));
    EXPECT_EQ(picture.size(), app.view(id)->size());
    const QByteArray dump = contents(folder / ("a-" + name + ".txt"));
    EXPECT_TRUE(dump.contains(("\"" + name + "\"").c_str())) << dump.left(200).toStdString();
    EXPECT_EQ(dump, contents(folder / ("b-" + name + ".txt")));
    EXPECT_EQ(contents(folder / ("a-" + name + ".png")), contents(folder / ("b-" + name + ".png")));
  }
  // The static results' grid holds the three stories.
  EXPECT_TRUE(contents(folder / "a-Form13.txt").contains("/  3 | "));
}

TEST(WindowCapture, TheDumpNamesEachWidgetWithWhatItShows)
{
  QWidget window;
  window.setObjectName("Form99");
  window.setWindowTitle("caption");
  auto* label = new QLabel("first\nsecond", &window);
  label->setObjectName("Label1");
  label->setGeometry(5, 6, 70, 20);
  label->setEnabled(false);
  const QString dump = widgetDump(window);
  EXPECT_TRUE(dump.startsWith("QWidget \"Form99\" ")) << dump.toStdString();
  EXPECT_TRUE(dump.contains("\"caption\"\n")) << dump.toStdString();
  EXPECT_TRUE(dump.contains("  QLabel \"Label1\" 5,6 70x20 disabled hidden \"first\\nsecond\"\n"))
      << dump.toStdString();
  label->setText("changed");
  EXPECT_NE(widgetDump(window), dump);
}

}  // namespace
}  // namespace vorn
