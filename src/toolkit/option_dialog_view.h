#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "toolkit/dialog_view.h"

namespace vorn {

// A dialog of four options, one of which the user picks (the soil types, the importance
// categories), with the button of its help window under them, then OK and CANCEL.
template <typename Logic, typename Controls>
class OptionDialogView : public DialogView<Logic, Controls> {
public:
  QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
  QPushButton* helpButton() const { return help_; }

protected:
  OptionDialogView(ViewApplication& app, WindowId id, const char* caption, Logic& logicMember,
                   Controls Project::*controlsMember, const std::array<const char*, 4>& options,
                   const char* command1, const char* ok, const char* cancel)
      : DialogView<Logic, Controls>(app, id, caption, logicMember, controlsMember)
  {
    Logic& logic = this->logic();
    auto* layout = new QVBoxLayout(this);
    for (int k = 0; k <= 3; ++k) {
      auto* option =
          new QRadioButton(QString::fromUtf8(options.at(static_cast<std::size_t>(k))), this);
      option->setObjectName(QString("Option1_%1").arg(k));
      option->setAutoExclusive(false);
      this->connect(option, &QRadioButton::clicked, this,
                    [this, &logic, k] { this->forward([&logic, k] { logic.Option1_Click(k); }); });
      layout->addWidget(option);
      options_.at(static_cast<std::size_t>(k)) = option;
    }

    help_ = this->addButton("Command1", command1, &Logic::Command1_Click);
    QPushButton* okButton = this->addOk(ok);
    QPushButton* cancelButton = this->addCancel(cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    layout->addSpacing(8);
    layout->addWidget(help_);
    layout->addLayout(buttons);
    this->resize(380, 0);
  }

  void drawControls() override
  {
    const Controls& f = this->controls();
    for (int k = 0; k <= 3; ++k) {
      this->drawOption(option(k), f.Option1[k]);
    }
  }

private:
  std::array<QRadioButton*, 4> options_{};
  QPushButton* help_ = nullptr;
};

}  // namespace vorn
