#pragma once

#include <QHBoxLayout>
#include <initializer_list>

class QPushButton;
class QWidget;

namespace vorn {

// Buttons side by side in the middle of a row: OK and CANCEL at the foot of a dialog.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);
// Buttons at the end of a row, with `first` at its start.
QHBoxLayout* buttonRow(QWidget* first, std::initializer_list<QWidget*> buttons);

// Keeps a button at least `atLeast` pixels wide and never narrower than its text with a line's
// height of room on either side, so that no layout squeezes the text against its edges.
void keepRoomForText(QPushButton* button, int atLeast = 0);

}  // namespace vorn
