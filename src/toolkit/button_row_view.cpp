#include "toolkit/button_row_view.h"

#include <QPushButton>
#include <algorithm>

namespace vorn {

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QWidget* button : buttons) {
    row->addWidget(button);
  }
  row->addStretch();
  return row;
}

QHBoxLayout* buttonRow(QWidget* first, std::initializer_list<QWidget*> buttons)
{
  auto* row = new QHBoxLayout;
  row->addWidget(first);
  row->addStretch();
  for (QWidget* button : buttons) {
    row->addWidget(button);
  }
  return row;
}

void keepRoomForText(QPushButton* button, int atLeast)
{
  const QFontMetrics metrics = button->fontMetrics();
  // A caption's trailing space is no text: the room is measured from its letters.
  const int text = metrics.horizontalAdvance(button->text().trimmed());
  button->setMinimumWidth(std::max(atLeast, text + 2 * metrics.height()));
}

}  // namespace vorn
