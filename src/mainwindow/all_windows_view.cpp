#include "mainwindow/all_windows_view.h"

#include <QApplication>
#include <QFont>

#include "mainwindow/application_view.h"
#include "mainwindow/form1_main_view.h"

namespace vorn {

void applyProgramLook()
{
  QApplication::setApplicationName("VORN");
  QApplication::setLayoutDirection(Qt::RightToLeft);
  QFont font = QApplication::font();
  font.setFamilies({"Noto Sans Arabic", "Noto Sans", "DejaVu Sans"});
  font.setPointSize(10);
  QApplication::setFont(font);
}

void createAllWindows(ViewApplication& app)
{
  app.add(new Form1View(app));
  app.refresh();
}

}  // namespace vorn
