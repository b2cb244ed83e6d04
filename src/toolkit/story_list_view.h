#pragma once

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/dialog_view.h"

namespace vorn {

// The list of stories of a story picker, Combo1, over the picker's OK and CANCEL. The story
// window, the torsion data and the P-Delta dialog each open a picker of their own; the pickers
// differ only in the logic and the controls behind them and in the names and events of their OK
// and CANCEL, which each makes itself. Picking a story runs the logic's Combo1_Click.
template <typename Logic, typename Controls>
class StoryList {
public:
  StoryList(DialogView<Logic, Controls>& dialog, int minimumWidth) : dialog_(dialog)
  {
    Logic& logic = dialog.logic();
    combo1_ = new QComboBox(&dialog);
    combo1_->setObjectName("Combo1");
    combo1_->setMinimumWidth(minimumWidth);
    QObject::connect(combo1_, &QComboBox::activated, &dialog, [&dialog, &logic](int index) {
      dialog.forward([&logic, index] { logic.Combo1_Click(index); });
    });
  }

  QComboBox* combo1() const { return combo1_; }

  // Lays the picker out: the list in the middle, over OK and CANCEL side by side.
  void layOut(QPushButton* ok, QPushButton* cancel)
  {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog_);
    layout->addWidget(combo1_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    dialog_.resize(300, 0);
  }

  void draw() const { WindowView::drawCombo(combo1_, dialog_.controls().Combo1); }

private:
  DialogView<Logic, Controls>& dialog_;
  QComboBox* combo1_ = nullptr;
};

}  // namespace vorn
