#pragma once

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/button_window_view.h"

namespace vorn {

// A story picker: the list of stories, OK and CANCEL. The story window, the torsion data and the
// P-Delta dialog each open one of their own; the pickers differ only in the logic and the controls
// behind them and in what their Design sets.
template <typename Logic, typename Controls>
class StoryPickerView : public ButtonWindowView {
public:
  // What sets one picker apart from the others.
  struct Design {
    Logic* logic;
    Controls Project::*controls;
    int comboWidth;  // the list's minimum width
    const char* okName;
    const char* okCaption;
    void (Logic::*okClick)();
    const char* cancelName;
    const char* cancelCaption;
    void (Logic::*cancelClick)();
    void (Logic::*frameClose)();  // the window frame's close button
  };

  StoryPickerView(ViewApplication& app, WindowId id, const char* caption, const Design& design)
      : ButtonWindowView(app, id, caption), design_(design)
  {
    Logic& logic = *design.logic;
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setMinimumWidth(design.comboWidth);
    connect(combo1_, &QComboBox::activated, this,
            [this, &logic](int index) { forward([&logic, index] { logic.Combo1_Click(index); }); });

    ok_ = addButton(design.okName, design.okCaption,
                    [&logic, click = design.okClick] { (logic.*click)(); });
    cancel_ = addButton(design.cancelName, design.cancelCaption,
                        [&logic, click = design.cancelClick] { (logic.*click)(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(combo1_, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    resize(300, 0);
  }

  QComboBox* combo1() const { return combo1_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override { drawCombo(combo1_, (app().project().*design_.controls).Combo1); }
  bool frameCloseRequested() override
  {
    (design_.logic->*design_.frameClose)();
    return true;
  }

private:
  Design design_;
  QComboBox* combo1_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace vorn
