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

#include "toolkit/dialog_view.h"

namespace vorn {

// A window that edits the building one story at a time: the numbered boxes Text1 … TextN, Text1
// the story number, a column of buttons that move between the stories and copy one story to
// others, and APPLY, OK and CANCEL. The window lays its boxes out itself and keeps whatever else
// it shows; the boxes, the buttons and their events are the same in each.
template <typename Logic, typename Controls>
class StoryDialogView : public NumberedBoxesView<Logic, Controls> {
public:
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }

protected:
  using NumberedBoxesView<Logic, Controls>::NumberedBoxesView;

  // Makes the next box; the story number (box 1) is not typed.
  QLineEdit* addBox(int width)
  {
    QLineEdit* box = this->newBox(this->boxCount() > 0);
    box->setFixedWidth(width);
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

  // The buttons Command1 … CommandN down a column, each running its event of the logic.
  template <std::size_t n>
  QVBoxLayout* commandColumn(const std::array<const char*, n>& captions,
                             const std::array<void (Logic::*)(), n>& clicks)
  {
    auto* column = new QVBoxLayout;
    for (std::size_t at = 0; at < n; ++at) {
      QPushButton* button = this->addButton(QString("Command%1").arg(static_cast<int>(at) + 1),
                                            captions.at(at), clicks.at(at));
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
    QPushButton* applyButton = this->addApply(apply);
    QPushButton* okButton = this->addOk(ok);
    QPushButton* cancelButton = this->addCancel(cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    return buttons;
  }

  void drawControls() override
  {
    this->drawBoxes();
    drawCommands();
  }
  void drawCommands()
  {
    const Controls& f = this->controls();
    for (int k = 1; k <= static_cast<int>(commands_.size()); ++k) {
      this->drawButton(command(k), f.Command[k]);
    }
  }

private:
  std::vector<QPushButton*> commands_;
};

}  // namespace vorn
