#include <QApplication>
#include <QFile>
#include <QStringList>

#include "mainwindow/all_windows_view.h"
#include "mainwindow/application_view.h"
#include "mainwindow/message_box_prompter_view.h"
#include "projectfile/open_at_start.h"

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
  // gives it.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    const std::string path = QFile::encodeName(arguments.at(1)).toStdString();
    app.run([&app, &path] { vorn::openProjectAtStart(app.session(), path); });
  }
  return QApplication::exec();
}
