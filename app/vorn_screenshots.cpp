// vorn-screenshots FOLDER: every window of the program as a picture and a dump of its widgets,
// filled with a five-story and a two-hundred-story building, for comparing the windows before
// and after a change (`make screenshots`). A developer's tool; it is not installed.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "report_buildings.h"
#include "toolkit/application_view.h"
#include "toolkit/window_capture_view.h"
#include "views/main/all_windows_view.h"
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

int main(int argc, char* argv[])
{
  QApplication qapp(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vorn-screenshots FOLDER\n");
    return 2;
  }
  // The file dialog lists the folder the program starts in: an empty one of the output's own.
  const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  if (!QDir().mkpath(folder + "/start") || !QDir::setCurrent(folder + "/start")) {
    std::fprintf(stderr, "vorn-screenshots: cannot make %s\n", argv[1]);
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
    const int captured = vorn::captureWindows(app, folder.toStdString(), building.name);
    if (captured < 0 || prompter.messages > 0) {
      std::fprintf(stderr, "vorn-screenshots: %s failed\n", building.name);
      return 1;
    }
    std::printf("%s: %d windows in %s\n", building.name, captured, folder.toLocal8Bit().data());
  }
  return 0;
}
