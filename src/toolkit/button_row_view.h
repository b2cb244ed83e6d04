#pragma once

#include <QHBoxLayout>
#include <initializer_list>

class QWidget;

namespace vorn {

// Buttons side by side in the middle of a row: OK and CANCEL at the foot of a dialog.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);
// Buttons at the end of a row, with `first` at its start.
QHBoxLayout* buttonRow(QWidget* first, std::initializer_list<QWidget*> buttons);

}  // namespace vorn
