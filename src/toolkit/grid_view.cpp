#include "toolkit/grid_view.h"

#include <QHeaderView>

#include "toolkit/bidi_text_view.h"
#include "toolkit/number_cells_view.h"

namespace vorn {

GridView::GridView(QWidget* parent) : QTableWidget(parent)
{
  setObjectName("MSFlexGrid1");
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->hide();
  horizontalHeader()->hide();
  setLayoutDirection(Qt::RightToLeft);
  setItemDelegate(new NumberCellDelegate(this));
}

void GridView::draw(const Grid& grid)
{
  setRowCount(grid.rows());
  setColumnCount(grid.cols());
  for (int c = 0; c < grid.cols(); ++c) {
    setColumnWidth(c, grid.colWidth(c) / kTwipsPerPixel);
  }
  QFont headerFont = font();
  headerFont.setBold(true);
  for (int r = 0; r < grid.rows(); ++r) {
    for (int c = 0; c < grid.cols(); ++c) {
      const QString text = QString::fromStdString(grid.text(r, c));
      QTableWidgetItem* cell = item(r, c);
      if (!cell) {
        cell = new QTableWidgetItem;
        setItem(r, c, cell);
      }
      if (cell->text() != text) {
        cell->setText(text);
      }
      cell->setTextAlignment(Qt::AlignCenter);
      if (r == 0) {
        cell->setFont(headerFont);
        cell->setBackground(palette().button());
      }
    }
  }
}

ListView::ListView(QWidget* parent) : QListWidget(parent)
{
  setObjectName("List1");
  setLayoutDirection(Qt::RightToLeft);
  // Lines mixing Persian with numbers and Latin runs are drawn in their display order; the items
  // keep the lines as the program wrote them.
  setItemDelegate(new BidiItemDelegate(this));
}

void ListView::draw(const ListBox& list)
{
  QStringList lines;
  for (const auto& l : list.lines()) {
    lines << QString::fromStdString(l);
  }
  QStringList current;
  for (int k = 0; k < count(); ++k) {
    current << item(k)->text();
  }
  if (current != lines) {
    clear();
    addItems(lines);
  }
}

}  // namespace vorn
