#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "inputs/numeric_boxes_view.h"
#include "mainwindow/application_view.h"
#include "views/button_window_view.h"

namespace vorn {

// A dialog of numbered boxes Text1 … TextN, each on its row beside its label, with OK and CANCEL.
// The user's typing goes to the project; leaving a box and its Enter / Down / Up keys, OK, CANCEL
// and the window frame's close button (as CANCEL) go to the logic. The dialog sets the widths of
// its boxes, lays them out and keeps whatever else it shows.
template <typename Logic, typename Controls>
class NumericBoxDialogView : public ButtonWindowView {
public:
  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  NumericBoxDialogView(ViewApplication& app, WindowId id, const char* caption,
                       Logic Session::*logicMember, Controls Project::*controlsMember)
      : ButtonWindowView(app, id, caption),
        logic_(app.session().*logicMember),
        controls_(controlsMember)
  {
    events_ = new NumericBoxEvents(this, [this](const std::function<void()>& e) { forward(e); });
  }

  // Makes the label and the next box, and puts them on the next row of boxes. Numbers read left
  // to right in the box.
  QLineEdit* addBox(QGridLayout* boxes, const char* caption, const QString& labelName = {})
  {
    const int k = static_cast<int>(texts_.size()) + 1;
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    if (!labelName.isEmpty()) {
      label->setObjectName(labelName);
    }
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) {
      (app().project().*controls_).Text[k].text = t.toStdString();
    });
    Logic& logic = logic_;
    events_->watch(
        box, [&logic, k] { return logic.Text_LostFocus(k); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
    boxes->addWidget(label, k - 1, 0);
    boxes->addWidget(box, k - 1, 1);
    texts_.push_back(box);
    return box;
  }

  // OK and CANCEL in a row: in its middle, or at its end with `first` at its start.
  QHBoxLayout* okCancel(const char* ok, const char* cancel, QWidget* first = nullptr)
  {
    Logic& logic = logic_;
    ok_ = addButton("OK", ok, [&logic] { logic.OK_Click(); });
    cancel_ = addButton("CANCEL", cancel, [&logic] { logic.CANCEL_Click(); });
    auto* buttons = new QHBoxLayout;
    if (first != nullptr) {
      buttons->addWidget(first);
    }
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    if (first == nullptr) {
      buttons->addStretch();
    }
    return buttons;
  }

  void drawBoxes()
  {
    const Controls& f = app().project().*controls_;
    for (int k = 1; k <= static_cast<int>(texts_.size()); ++k) {
      drawText(text(k), f.Text[k]);
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
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  NumericBoxEvents* events_ = nullptr;
};

}  // namespace vorn
