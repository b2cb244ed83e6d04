#include "toolkit/number_cells_view.h"

namespace vorn {

namespace {

bool hasRightToLeftLetter(const QString& text)
{
  for (const QChar c : text) {
    if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL) {
      return true;
    }
  }
  return false;
}

}  // namespace

void NumberCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const
{
  QStyledItemDelegate::initStyleOption(option, index);
  if (!hasRightToLeftLetter(option->text)) {
    option->direction = Qt::LeftToRight;
  }
}

}  // namespace vorn
