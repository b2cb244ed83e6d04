// vorn-screenshots [--screen WIDTHxHEIGHT] [--scale FACTOR] FOLDER: every window of the program
// as a picture and a dump of its widgets, filled with a five-story and a two-hundred-story
// building, for comparing the windows before and after a change (`make screenshots`). The windows
// are drawn on the offscreen platform, on a screen of 1366 x 768 pixels (a laptop's) unless
// --screen names another size, at Qt's scale factor FACTOR (1 unless given; a screen not named
// is then FACTOR times the laptop's), with settings of their own that start empty. A developer's
// tool; it is not installed.
#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "offscreen_screen.h"
#include "report_buildings.h"
#include "temp_folder.h"
#include "toolkit/application_view.h"
#include "toolkit/window_capture_view.h"
#include "toolkit/window_view.h"
#include "views/main/all_windows_view.h"
#include "views/report/note_export_view.h"
#include "windows/report/form28_output.h"
#include "windows/report/report_composer.h"

namespace {

// Answers every question Yes and tells every message: a sample that stops at a check is a
// sample that shows less than it should.
class TellingPrompter : public vorn::Prompter {
public:
  void message(const std::string& text, const std::string& title) override
  {
    std::fprintf(stderr, "vorn-screenshots: message \"%s\": %s\n", title.c_str(), text.c_str());
    ++messages;
  }
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  bool askOkCancel(const std::string&, const std::string&) override { return true; }
  int messages = 0;
};

// The output window holds the report of every table the building has, as if all were ticked.
void showFullReport(vorn::Session& s)
{
  auto ticked = std::make_unique<vorn::Project>(s.project);
  for (int k = 1; k <= 10; ++k) {
    ticked->form27.Check[k].value = 1;
  }
  std::string text;
  for (const std::string& line : vorn::composeReport(*ticked)) {
    text += line;
    text += '\n';
  }
  s.form28.load(text);
}

}  // namespace

struct Options {
  int width = 0;
  int height = 0;
  double scale = 1;
  const char* folder = nullptr;
};

// The options, or nothing (a null folder) when the command line is not understood.
Options readOptions(int argc, char* argv[])
{
  Options o;
  for (int k = 1; k < argc; ++k) {
    const bool last = k + 1 == argc;
    if (std::strcmp(argv[k], "--screen") == 0 && !last) {
      char end = 0;
      if (std::sscanf(argv[++k], "%dx%d%c", &o.width, &o.height, &end) != 2 || o.width < 320 ||
          o.height < 200) {
        return {};
      }
    } else if (std::strcmp(argv[k], "--scale") == 0 && !last) {
      char* end = nullptr;
      o.scale = std::strtod(argv[++k], &end);
      if (*end != '\0' || !(o.scale >= 1 && o.scale <= 4)) {
        return {};
      }
    } else if (argv[k][0] != '-' && o.folder == nullptr) {
      o.folder = argv[k];
    } else {
      return {};
    }
  }
  if (o.width == 0) {
    o.width = static_cast<int>(std::lround(vorn::test::kLaptopWidth * o.scale));
    o.height = static_cast<int>(std::lround(vorn::test::kLaptopHeight * o.scale));
  }
  return o;
}

int main(int argc, char* argv[])
{
  const Options options = readOptions(argc, argv);
  if (options.folder == nullptr) {
    std::fprintf(stderr,
                 "usage: vorn-screenshots [--screen WIDTHxHEIGHT] [--scale FACTOR] FOLDER\n");
    return 2;
  }
  // The screen and the settings, before the application reads them.
  const vorn::test::TempFolder own("vorn-screenshots");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  vorn::test::useOwnScreenAndSettings(own.path(), options.width, options.height);
  setenv("QT_SCALE_FACTOR", QByteArray::number(options.scale).constData(), 1);
  int qtArgc = 1;
  QApplication qapp(qtArgc, argv);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
  if (pixels != QSize(options.width, options.height)) {
    std::fprintf(stderr,
                 "vorn-screenshots: the offscreen platform made a screen of %dx%d, not %dx%d\n",
                 pixels.width(), pixels.height(), options.width, options.height);
    return 1;
  }
  // The file dialog lists the folder the program starts in: an empty one of the output's own.
  const QString folder = QDir(QString::fromLocal8Bit(options.folder)).absolutePath();
  if (!QDir().mkpath(folder + "/start") || !QDir::setCurrent(folder + "/start")) {
    std::fprintf(stderr, "vorn-screenshots: cannot make %s\n", options.folder);
    return 1;
  }
  vorn::applyProgramLook();
  const struct {
    const char* name;
    std::function<void(vorn::Session&)> describe;
  } buildings[] = {{"five-stories", vorn::test::describeIrregularBuilding},
                   {"200-stories", vorn::test::describeTallBuilding}};
  for (const auto& building : buildings) {
    TellingPrompter prompter;
    vorn::ViewApplication app(prompter);
    vorn::createAllWindows(app);
    app.run([&] {
      building.describe(app.session());
      showFullReport(app.session());
    });
    int captured = vorn::captureWindows(app, folder.toStdString(), building.name);
    // The calculation note's dialog, over the main window.
    {
      vorn::NoteExportDialog note(app, app.view(vorn::WindowId::form1));
      note.show();
      QApplication::processEvents();
      const QString base = folder + "/" + building.name + "-NoteExport";
      QFile dump(base + ".txt");
      if (!note.grab().save(base + ".png") || !dump.open(QIODevice::WriteOnly) ||
          dump.write(vorn::widgetDump(note).toUtf8()) < 0) {
        captured = -1;
      } else if (captured >= 0) {
        ++captured;
      }
    }
    if (captured < 0 || prompter.messages > 0) {
      std::fprintf(stderr, "vorn-screenshots: %s failed\n", building.name);
      return 1;
    }
    std::printf("%s: %d windows in %s (screen %dx%d, scale %g)\n", building.name, captured,
                folder.toLocal8Bit().data(), options.width, options.height, options.scale);
  }
  return 0;
}
