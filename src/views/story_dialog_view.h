#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <span>
#include <vector>

#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"
#include "views/button_window_view.h"

namespace vorn {

// A window that edits the building one story at a time: the numbered boxes Text1 … TextN, Text1
// the story number, a column of buttons that move between the stories and copy one story to
// others, and APPLY, OK and CANCEL. The window lays its boxes out itself and keeps whatever else
// it shows; the boxes, the buttons and their events are the same in each.
template <typename Logic, typename Controls>
class StoryDialogView : public ButtonWindowView {
public:
  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  StoryDialogView(ViewApplication& app, WindowId id, const char* caption,
                  Logic Session::*logicMember, Controls Project::*controlsMember)
      : ButtonWindowView(app, id, caption),
        logic_(app.session().*logicMember),
        controls_(controlsMember)
  {
    events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });
  }

  // Makes the next box, numbers left to right in it. The user's typing goes to the project, and
  // leaving the box and its Enter / Down / Up keys to the logic; the story number is not typed.
  QLineEdit* addBox(int width)
  {
    const int k = static_cast<int>(texts_.size()) + 1;
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    box->setFixedWidth(width);
    texts_.push_back(box);
    if (k > 1) {
      connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
        (app().project().*controls_).Text[k].text = t.toStdString();
      });
      watch(k);
    }
    return box;
  }
  // One box a row, each with its label on the right.
  QGridLayout* labelledBoxes(std::span<const char* const> labels)
  {
    auto* boxes = new QGridLayout;
    boxes->setColumnStretch(0, 1);
    for (int row = 0; row < static_cast<int>(labels.size()); ++row) {
      auto* label = new QLabel(QString::fromUtf8(labels[static_cast<std::size_t>(row)]), this);
      QLineEdit* box = addBox(110);
      boxes->addWidget(label, row, 0);
      boxes->addWidget(box, row, 1);
    }
    return boxes;
  }
  // Hands the loss of box k's focus and its Enter / Down / Up keys to the logic.
  void watch(int k)
  {
    Logic& logic = logic_;
    events_->watch(
        text(k), [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
  }

  // The buttons Command1 … CommandN down a column, each running its event of the logic.
  template <std::size_t n>
  QVBoxLayout* commandColumn(const std::array<const char*, n>& captions,
                             const std::array<void (Logic::*)(), n>& clicks)
  {
    Logic& logic = logic_;
    auto* column = new QVBoxLayout;
    for (std::size_t at = 0; at < n; ++at) {
      QPushButton* button =
          addButton(QString("Command%1").arg(static_cast<int>(at) + 1), captions.at(at),
                    [&logic, click = clicks.at(at)] { (logic.*click)(); });
      column->addWidget(button);
      commands_.push_back(button);
    }
    column->addStretch();
    return column;
  }

  // The boxes on the right and the command column beside them, their widths as 3 to
  // commandStretch.
  static QHBoxLayout* besideCommands(QLayout* boxes, QLayout* commands, int commandStretch)
  {
    auto* top = new QHBoxLayout;
    top->addLayout(boxes, 3);
    top->addSpacing(16);
    top->addLayout(commands, commandStretch);
    return top;
  }

  // APPLY, OK and CANCEL in the middle of a row.
  QHBoxLayout* applyOkCancel(const char* apply, const char* ok, const char* cancel)
  {
    Logic& logic = logic_;
    apply_ = addButton("APPLY", apply, [&logic] { logic.APPLY_Click(); });
    ok_ = addButton("OK", ok, [&logic] { logic.OK_Click(); });
    cancel_ = addButton("CANCEL", cancel, [&logic] { logic.CANCEL_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    return buttons;
  }

  void drawControls() override
  {
    drawBoxes();
    drawCommands();
  }
  void drawBoxes()
  {
    const Controls& f = app().project().*controls_;
    for (int k = 1; k <= static_cast<int>(texts_.size()); ++k) {
      drawText(text(k), f.Text[k]);
    }
  }
  void drawCommands()
  {
    const Controls& f = app().project().*controls_;
    for (int k = 1; k <= static_cast<int>(commands_.size()); ++k) {
      drawButton(command(k), f.Command[k]);
    }
  }
  bool frameCloseRequested() override
  {
    logic_.CANCEL_Click();
    return true;
  }

private:
  Logic& logic_;
  Controls Project::*controls_;
  std::vector<QLineEdit*> texts_;
  std::vector<QPushButton*> commands_;
  QPushButton* apply_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
