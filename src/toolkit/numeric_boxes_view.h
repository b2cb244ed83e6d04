#pragma once

#include <QObject>
#include <functional>
#include <map>

#include "windows/common/numeric_boxes.h"

class QLineEdit;
class QWidget;

namespace vorn {

// Hands a window's numeric edit boxes over to its logic: the loss of the focus (the box's
// LostFocus) and the Enter / Down / Up keys (its KeyDown). A view creates one and watches each
// box in one line:
//
//   events_ = new NumericBoxEvents(this, [this](const auto& e) { forward(e); });
//   events_->watch(text2, [&logic](LeaveTo to) { return logic.Text_LostFocus(2, to); },
//                  [&logic](BoxKey key) { logic.Text_KeyDown(2, key); });
//
// Only the user leaves a box: a click elsewhere, Tab or a shortcut. The focus moves that the
// program makes itself (the logic asking for the focus on a box, a message box taking the focus
// and giving it back, another window coming to the front, a box being disabled) are not leaving
// the box, so a refusal cannot set off another check or a second message. The logic hears
// whether the focus goes to a push button of the box's own window (a command of the dialog). A
// check that takes the focus back after a click also swallows that click: as with the desktop
// programs this one follows, the user sees the message and clicks again.
class NumericBoxEvents : public QObject {
public:
  using Forward = std::function<void(const std::function<void()>&)>;

  NumericBoxEvents(QObject* parent, Forward forward);

  void watch(QLineEdit* box, std::function<bool(LeaveTo)> lostFocus,
             std::function<void(BoxKey)> keyDown);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct Handlers {
    std::function<bool(LeaveTo)> lostFocus;
    std::function<void(BoxKey)> keyDown;
  };
  bool leave(QLineEdit* box, const Handlers& handlers, Qt::FocusReason reason);

  Forward forward_;
  std::map<QObject*, Handlers> boxes_;
};

}  // namespace vorn
