#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <vector>

#include "toolkit/dialog_view.h"
#include "toolkit/numeric_boxes_view.h"

namespace vorn {

// The numbered boxes Text1 … TextN of a dialog, made one after another. Numbers read left to
// right in them; the user's typing goes to the project, and leaving a box and its Enter / Down /
// Up keys to the logic. The dialog holds them, sets their widths, lays them out and draws them
// with its other controls.
template <typename Logic, typename Controls>
class NumberedBoxes {
public:
  explicit NumberedBoxes(DialogView<Logic, Controls>& dialog)
      : dialog_(dialog),
        events_(new NumericBoxEvents(
            &dialog, [&dialog](const std::function<void()>& e) { dialog.forward(e); }))
  {
  }

  QLineEdit* text(int k) const { return texts_.at(static_cast<std::size_t>(k - 1)); }
  int count() const { return static_cast<int>(texts_.size()); }

  // Makes the next box; a box the user does not type in (a story number the buttons set) neither
  // writes to the project nor speaks to the logic.
  QLineEdit* add(bool typed = true)
  {
    const int k = count() + 1;
    auto* box = new QLineEdit(&dialog_);
    box->setObjectName(QString("Text%1").arg(k));
    box->setLayoutDirection(Qt::LeftToRight);
    texts_.push_back(box);
    if (typed) {
      DialogView<Logic, Controls>& dialog = dialog_;
      QObject::connect(box, &QLineEdit::textEdited, &dialog, [&dialog, k](const QString& t) {
        dialog.controls().Text[k].text = t.toStdString();
      });
      watch(k);
    }
    return box;
  }
  // Makes a label and the next box, and puts them on the next row of `rows`, the label first.
  QLineEdit* addRow(QGridLayout* rows, const char* caption, const QString& labelName = {})
  {
    auto* label = new QLabel(QString::fromUtf8(caption), &dialog_);
    if (!labelName.isEmpty()) {
      label->setObjectName(labelName);
    }
    QLineEdit* box = add();
    const int row = count() - 1;
    rows->addWidget(label, row, 0);
    rows->addWidget(box, row, 1);
    return box;
  }

  // Hands the loss of box k's focus and its Enter / Down / Up keys to the logic.
  void watch(int k)
  {
    Logic& logic = dialog_.logic();
    events_->watch(
        text(k), [&logic, k](LeaveTo to) { return logic.Text_LostFocus(k, to); },
        [&logic, k](BoxKey key) { logic.Text_KeyDown(k, key); });
  }

  void draw() const
  {
    const Controls& f = dialog_.controls();
    for (int k = 1; k <= count(); ++k) {
      WindowView::drawText(text(k), f.Text[k]);
    }
  }

private:
  DialogView<Logic, Controls>& dialog_;
  std::vector<QLineEdit*> texts_;
  NumericBoxEvents* events_;
};

}  // namespace vorn
