#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <vector>

#include "toolkit/application_view.h"
#include "toolkit/numeric_boxes_view.h"
#include "toolkit/window_view.h"

namespace vorn {

// Base of every dialog: a window of one window logic and of its part of the project (the states
// of its controls or, in a results window, what it shows). Its push buttons each run one event of
// the logic; the window frame's close button runs the event the dialog names, CANCEL unless it
// names another.
template <typename Logic, typename Controls>
class DialogView : public WindowView {
public:
  // An event of the logic without arguments: a click, the frame's close button.
  using Event = void (Logic::*)();

  Logic& logic() const { return logic_; }
  Controls& controls() { return app().project().*controls_; }

  // A push button with the designer's name for it; a click runs the event.
  QPushButton* addButton(const QString& name, const char* caption, Event click)
  {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    Logic& logic = logic_;
    connect(button, &QPushButton::clicked, this,
            [this, &logic, click] { forward([&logic, click] { (logic.*click)(); }); });
    return button;
  }

  // The buttons that end the dialog. OK and CANCEL carry those names and run OK_Click and
  // CANCEL_Click, unless the dialog names others (a picker's Command1 and Command2).
  QPushButton* addOk(const char* caption, const QString& name = "OK",
                     Event click = &Logic::OK_Click)
  {
    ok_ = addButton(name, caption, click);
    return ok_;
  }
  QPushButton* addCancel(const char* caption, const QString& name = "CANCEL",
                         Event click = &Logic::CANCEL_Click)
  {
    cancel_ = addButton(name, caption, click);
    return cancel_;
  }
  QPushButton* addApply(const char* caption)
  {
    apply_ = addButton("APPLY", caption, &Logic::APPLY_Click);
    return apply_;
  }

  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* applyButton() const { return apply_; }

protected:
  DialogView(ViewApplication& app, WindowId id, const char* caption, Logic& logicMember,
             Controls Project::*controlsMember, Event frameClose = &Logic::CANCEL_Click)
      : WindowView(app, id, caption),
        logic_(logicMember),
        controls_(controlsMember),
        frameClose_(frameClose)
  {
  }

  bool frameCloseRequested() override
  {
    (logic_.*frameClose_)();
    return true;
  }

private:
  Logic& logic_;
  Controls Project::*controls_;
  Event frameClose_;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* apply_ = nullptr;
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
