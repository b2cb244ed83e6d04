#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/dialog_view.h"

namespace vorn {

// A dialog of numbered boxes Text1 … TextN, each on its row beside its label, with OK and CANCEL.
// OK and CANCEL go to the logic. The dialog sets the widths of its boxes, lays them out and keeps
// whatever else it shows.
template <typename Logic, typename Controls>
class NumericBoxDialogView : public NumberedBoxesView<Logic, Controls> {
protected:
  using NumberedBoxesView<Logic, Controls>::NumberedBoxesView;

  // Makes the label and the next box, and puts them on the next row of boxes.
  QLineEdit* addBox(QGridLayout* boxes, const char* caption, const QString& labelName = {})
  {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    if (!labelName.isEmpty()) {
      label->setObjectName(labelName);
    }
    QLineEdit* box = this->newBox();
    const int row = this->boxCount() - 1;
    boxes->addWidget(label, row, 0);
    boxes->addWidget(box, row, 1);
    return box;
  }

  // OK and CANCEL in a row: in its middle, or at its end with `first` at its start.
  QHBoxLayout* okCancel(const char* ok, const char* cancel, QWidget* first = nullptr)
  {
    QPushButton* okButton = this->addOk(ok);
    QPushButton* cancelButton = this->addCancel(cancel);
    auto* buttons = new QHBoxLayout;
    if (first != nullptr) {
      buttons->addWidget(first);
    }
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    if (first == nullptr) {
      buttons->addStretch();
    }
    return buttons;
  }
};

}  // namespace vorn
