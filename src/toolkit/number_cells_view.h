#pragma once

#include <QStyledItemDelegate>

namespace vorn {

// Draws a grid cell that holds no right-to-left letter (a number such as " .042" or "-.5") left
// to right, so that in a right-to-left window its point and sign stay in front of the digits.
// Cells with Persian text keep the window's direction.
class NumberCellDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace vorn
