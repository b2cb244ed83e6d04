#include <QApplication>

#include "toolkit/application_view.h"
#include "toolkit/file_name_text_view.h"
#include "toolkit/message_box_prompter_view.h"
#include "views/main/all_windows_view.h"
#include "windows/files/open_at_start.h"

int main(int argc, char* argv[])
{
  QApplication qapp(argc, argv);
  vorn::applyProgramLook();
  // The desktop entry that starts the program (and opens the project files it is given).
  QGuiApplication::setDesktopFileName("vorn");
  vorn::MessageBoxPrompter prompter;
  vorn::ViewApplication app(prompter);
  vorn::createAllWindows(app);
  // One optional argument: the project file to open, as a double-click in the file manager
  // gives it. Its name is taken from argv as bytes (QApplication::arguments() would lose those
  // that are not UTF-8); QApplication has taken its own options out of argc and argv.
  if (const auto path = vorn::projectFileArgument(argc, argv)) {
    app.run([&app, &path] { vorn::openProjectAtStart(app.session(), *path); });
  }
  return QApplication::exec();
}
