#include "toolkit/message_box_prompter_view.h"

#include <QApplication>
#include <QMessageBox>

namespace vorn {

namespace {

QMessageBox::StandardButton show(const std::string& text, const std::string& title,
                                 QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
  QMessageBox box(icon, QString::fromStdString(title.empty() ? kProgramTitle : title),
                  QString::fromStdString(text), buttons, QApplication::activeWindow());
  box.setLayoutDirection(Qt::RightToLeft);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxPrompter::message(const std::string& text, const std::string& title)
{
  show(text, title, QMessageBox::Ok, QMessageBox::Information);
}

bool MessageBoxPrompter::askYesNo(const std::string& text, const std::string& title)
{
  return show(text, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
         QMessageBox::Yes;
}

bool MessageBoxPrompter::askOkCancel(const std::string& text, const std::string& title)
{
  return show(text, title, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning) ==
         QMessageBox::Ok;
}

}  // namespace vorn
