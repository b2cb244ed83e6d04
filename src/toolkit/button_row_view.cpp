#include "toolkit/button_row_view.h"

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

}  // namespace vorn
