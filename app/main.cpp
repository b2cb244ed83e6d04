#include <QApplication>

#include "mainwindow/all_windows_view.h"
#include "mainwindow/application_view.h"
#include "mainwindow/message_box_prompter_view.h"

int main(int argc, char* argv[])
{
  QApplication qapp(argc, argv);
  vorn::applyProgramLook();
  vorn::MessageBoxPrompter prompter;
  vorn::ViewApplication app(prompter);
  vorn::createAllWindows(app);
  return QApplication::exec();
}
