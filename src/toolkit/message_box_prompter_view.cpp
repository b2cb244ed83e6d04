#include "toolkit/message_box_prompter_view.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "toolkit/bidi_text_view.h"

namespace vorn {

MessageBox::MessageBox(Icon icon, const std::string& title, const std::string& text,
                       StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, QString::fromStdString(title.empty() ? kProgramTitle : title),
                  bidiDisplayText(text), buttons, parent),
      text_(QString::fromStdString(text))
{
  setLayoutDirection(Qt::RightToLeft);
  // The text is copied whole with Ctrl+C; a piece of it selected with the mouse would take the
  // marks of its display order along.
  setTextInteractionFlags(textInteractionFlags() &
                          ~(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
}

void MessageBox::keyPressEvent(QKeyEvent* event)
{
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(text_);
    event->accept();
    return;
  }
  QMessageBox::keyPressEvent(event);
}

namespace {

QMessageBox::StandardButton show(const std::string& text, const std::string& title,
                                 QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
  MessageBox box(icon, title, text, buttons, QApplication::activeWindow());
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
