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
#include "toolkit/numbered_boxes_view.h"

namespace vorn {

// What every window that edits the building one story at a time has: the numbered boxes Text1 …
// TextN, Text1 the story number, and a column of buttons that move between the stories and copy
// one story to others. The window holds them, lays its boxes out itself, keeps whatever else it
// shows and ends with APPLY, OK and CANCEL; the boxes, the buttons and their events are the same
// in each.
template <typename Logic, typename Controls>
class StoryParts {
public:
  explicit StoryParts(DialogView<Logic, Controls>& dialog) : dialog_(dialog), boxes_(dialog) {}

  QLineEdit* text(int k) const { return boxes_.text(k); }
  QPushButton* command(int k) const { return commands_.at(static_cast<std::size_t>(k - 1)); }

  // Makes the next box; the story number (box 1) is not typed.
  QLineEdit* addBox(int width)
  {
    QLineEdit* box = boxes_.add(boxes_.count() > 0);
    box->setFixedWidth(width);
    return box;
  }
  // One box a row, each with its label on the right.
  QGridLayout* labelledBoxes(std::span<const char* const> labels)
  {
    auto* boxes = new QGridLayout;
    boxes->setColumnStretch(0, 1);
    for (int row = 0; row < static_cast<int>(labels.size()); ++row) {
      auto* label = new QLabel(QString::fromUtf8(labels[static_cast<std::size_t>(row)]), &dialog_);
      QLineEdit* box = addBox(110);
      boxes->addWidget(label, row, 0);
      boxes->addWidget(box, row, 1);
    }
    return boxes;
  }
  // Hands the loss of box k's focus and its keys to the logic (a box that is not typed).
  void watch(int k) { boxes_.watch(k); }

  // The buttons Command1 … CommandN down a column, each running its event of the logic.
  template <std::size_t n>
  QVBoxLayout* commandColumn(const std::array<const char*, n>& captions,
                             const std::array<void (Logic::*)(), n>& clicks)
  {
    auto* column = new QVBoxLayout;
    for (std::size_t at = 0; at < n; ++at) {
      QPushButton* button = dialog_.addButton(QString("Command%1").arg(static_cast<int>(at) + 1),
                                              captions.at(at), clicks.at(at));
      column->addWidget(button);
      commands_.push_back(button);
    }
    column->addStretch();
    return column;
  }

  void drawBoxes() const { boxes_.draw(); }
  void drawCommands() const
  {
    const Controls& f = dialog_.controls();
    for (int k = 1; k <= static_cast<int>(commands_.size()); ++k) {
      WindowView::drawButton(command(k), f.Command[k]);
    }
  }
  void draw() const
  {
    drawBoxes();
    drawCommands();
  }

private:
  DialogView<Logic, Controls>& dialog_;
  NumberedBoxes<Logic, Controls> boxes_;
  std::vector<QPushButton*> commands_;
};

// The boxes on the right and the command column beside them, their widths as 3 to
// commandStretch.
inline QHBoxLayout* besideCommands(QLayout* boxes, QLayout* commands, int commandStretch)
{
  auto* top = new QHBoxLayout;
  top->addLayout(boxes, 3);
  top->addSpacing(16);
  top->addLayout(commands, commandStretch);
  return top;
}

}  // namespace vorn
