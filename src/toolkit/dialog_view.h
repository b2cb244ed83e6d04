#pragma once

#include <QLineEdit>
#include <QString>
#include <vector>

#include "toolkit/application_view.h"
#include "toolkit/button_window_view.h"
#include "toolkit/numeric_boxes_view.h"

namespace vorn {

// A dialog of one window logic and its controls in the project; the window frame's close button
// acts as CANCEL.
template <typename Logic, typename Controls>
class DialogView : public ButtonWindowView {
protected:
  DialogView(ViewApplication& app, WindowId id, const char* caption, Logic& logicMember,
             Controls Project::*controlsMember)
      : ButtonWindowView(app, id, caption), logic_(logicMember), controls_(controlsMember)
  {
  }

  Logic& logic() const { return logic_; }
  Controls& controls() { return app().project().*controls_; }

  bool frameCloseRequested() override
  {
    logic_.CANCEL_Click();
    return true;
  }

private:
  Logic& logic_;
  Controls Project::*controls_;
};

// A dialog with the numbered boxes Text1 … TextN, made one after another. Numbers read left to
// right in them; the user's typing goes to the project, and leaving a box and its Enter / Down /
// Up keys to the logic.
template <typename Logic, typename Controls>
class NumberedBoxesView : public DialogView<Logic, Controls> {
public:
  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  int boxCount() const { return static_cast<int>(texts_.size()); }

protected:
  NumberedBoxesView(ViewApplication& app, WindowId id, const char* caption, Logic& logicMember,
                    Controls Project::*controlsMember)
      : DialogView<Logic, Controls>(app, id, caption, logicMember, controlsMember)
  {
    events_ =
        new NumericBoxEvents(this, [this](const std::function<void()>& e) { this->forward(e); });
  }

  // Makes the next box; a box the user does not type in (a story number the buttons set) neither
  // writes to the project nor speaks to the logic.
  QLineEdit* newBox(bool typed = true)
  {
    const int k = static_cast<int>(texts_.size()) + 1;
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    texts_.push_back(box);
    if (typed) {
      this->connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
        this->controls().Text[k].text = t.toStdString();
      });
      watch(k);
    }
    return box;
  }
  // Hands the loss of box k's focus and its Enter / Down / Up keys to the logic.
  void watch(int k)
  {
    Logic& logic = this->logic();
    events_->watch(
        text(k), [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
  }
  void drawBoxes()
  {
    const Controls& f = this->controls();
    for (int k = 1; k <= static_cast<int>(texts_.size()); ++k) {
      this->drawText(text(k), f.Text[k]);
    }
  }

private:
  std::vector<QLineEdit*> texts_;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
