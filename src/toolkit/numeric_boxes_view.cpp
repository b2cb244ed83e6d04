#include "toolkit/numeric_boxes_view.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace vorn {

namespace {

// A leave-box check is running somewhere in the program: focus moves meanwhile are its own.
bool checking = false;

// Eats the mouse press that is on its way to a widget when a check refused the value that the
// press made the user leave; it lives until that press or the next turn of the event loop.
class PressSwallower : public QObject {
public:
  explicit PressSwallower(QWidget* target) : QObject(target)
  {
    target->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { deleteLater(); });
  }

protected:
  bool eventFilter(QObject*, QEvent* event) override
  {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      deleteLater();
      parent()->removeEventFilter(this);
      return true;
    }
    return false;
  }
};

bool userLeaves(Qt::FocusReason reason)
{
  return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
         reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

NumericBoxEvents::NumericBoxEvents(QObject* parent, Forward forward)
    : QObject(parent), forward_(std::move(forward))
{
}

void NumericBoxEvents::watch(QLineEdit* box, std::function<bool(LeaveTo)> lostFocus,
                             std::function<void(BoxKey)> keyDown)
{
  boxes_[box] = {std::move(lostFocus), std::move(keyDown)};
  box->installEventFilter(this);
}

bool NumericBoxEvents::eventFilter(QObject* watched, QEvent* event)
{
  const auto found = boxes_.find(watched);
  if (found == boxes_.end()) {
    return false;
  }
  auto* box = static_cast<QLineEdit*>(watched);
  const Handlers& handlers = found->second;
  if (event->type() == QEvent::KeyPress) {
    BoxKey key = BoxKey::Other;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        key = BoxKey::Enter;
        break;
      case Qt::Key_Down:
        key = BoxKey::Down;
        break;
      case Qt::Key_Up:
        key = BoxKey::Up;
        break;
      default:
        return false;
    }
    if (!checking) {
      forward_([&handlers, key] { handlers.keyDown(key); });
    }
    return true;
  }
  if (event->type() == QEvent::FocusOut) {
    leave(box, handlers, static_cast<QFocusEvent*>(event)->reason());
  }
  return false;
}

bool NumericBoxEvents::leave(QLineEdit* box, const Handlers& handlers, Qt::FocusReason reason)
{
  if (checking || !userLeaves(reason) || !box->isEnabled() || !box->isVisible()) {
    return true;
  }
  // The widget that takes the focus (a button being clicked, another box).
  QPointer<QWidget> destination = QApplication::focusWidget();
  const LeaveTo to =
      qobject_cast<QPushButton*>(destination) != nullptr && destination->window() == box->window()
          ? LeaveTo::Command
          : LeaveTo::Elsewhere;
  bool accepted = true;
  {
    struct Checking {
      Checking() { checking = true; }
      ~Checking() { checking = false; }
      Checking(const Checking&) = delete;
      Checking& operator=(const Checking&) = delete;
    } running;
    forward_([&handlers, &accepted, to] { accepted = handlers.lostFocus(to); });
  }
  if (!accepted && reason == Qt::MouseFocusReason && destination && destination != box) {
    new PressSwallower(destination);
  }
  return accepted;
}

}  // namespace vorn
