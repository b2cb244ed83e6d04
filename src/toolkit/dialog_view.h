#pragma once

#include <QPushButton>
#include <QString>

#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "toolkit/window_view.h"

namespace vorn {

// Base of every dialog: a window of one window logic and of its part of the project (the states
// of its controls or, in a results window, what it shows). Its push buttons each run one event of
// the logic; the window frame's close button runs the event the dialog names, CANCEL unless it
// names another. A dialog makes and lays out what it shows itself and holds the parts it shares
// with others: rows of buttons (button_row_view.h), numbered boxes (numbered_boxes_view.h), the
// story windows' boxes and commands (story_parts_view.h), the story pickers' list
// (story_list_view.h), the choice of one of four options (option_choice_view.h) and the results
// windows' pieces (results_parts_view.h).
template <typename Logic, typename Controls>
class DialogView : public WindowView {
public:
  // An event of the logic without arguments: a click, the frame's close button.
  using Event = void (Logic::*)();

  Logic& logic() const { return logic_; }
  Controls& controls() { return app().project().*controls_; }

  // A push button with the designer's name for it, never narrower than its text; a click runs
  // the event.
  QPushButton* addButton(const QString& name, const char* caption, Event click)
  {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    keepRoomForText(button);
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

}  // namespace vorn
