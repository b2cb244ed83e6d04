#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "toolkit/button_row_view.h"
#include "toolkit/dialog_view.h"

namespace vorn {

// What a dialog of four options shows, one of which the user picks (the soil types, the
// importance categories): the options one under another, the button of its help window under
// them, then OK and CANCEL. A click on an option goes to the logic's Option1_Click, the help
// button to its Command1_Click. The dialog holds it and draws it.
template <typename Logic, typename Controls>
class OptionChoice {
public:
  OptionChoice(DialogView<Logic, Controls>& dialog, const std::array<const char*, 4>& options,
               const char* command1, const char* ok, const char* cancel)
      : dialog_(dialog)
  {
    Logic& logic = dialog.logic();
    auto* layout = new QVBoxLayout(&dialog);
    for (int k = 0; k <= 3; ++k) {
      auto* option =
          new QRadioButton(QString::fromUtf8(options.at(static_cast<std::size_t>(k))), &dialog);
      option->setObjectName(QString("Option1_%1").arg(k));
      option->setAutoExclusive(false);
      QObject::connect(option, &QRadioButton::clicked, &dialog, [&dialog, &logic, k] {
        dialog.forward([&logic, k] { logic.Option1_Click(k); });
      });
      layout->addWidget(option);
      options_.at(static_cast<std::size_t>(k)) = option;
    }

    help_ = dialog.addButton("Command1", command1, &Logic::Command1_Click);
    QHBoxLayout* buttons = buttonRow({dialog.addOk(ok), dialog.addCancel(cancel)});
    layout->addSpacing(8);
    layout->addWidget(help_);
    layout->addLayout(buttons);
    dialog.resize(380, 0);
  }

  QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
  QPushButton* helpButton() const { return help_; }

  void draw() const
  {
    const Controls& f = dialog_.controls();
    for (int k = 0; k <= 3; ++k) {
      WindowView::drawOption(option(k), f.Option1[k]);
    }
  }

private:
  DialogView<Logic, Controls>& dialog_;
  std::array<QRadioButton*, 4> options_{};
  QPushButton* help_ = nullptr;
};

}  // namespace vorn
