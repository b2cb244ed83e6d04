#include "toolkit/grid_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <vector>

#include "toolkit/bidi_text_view.h"
#include "toolkit/number_cells_view.h"
#include "windows/common/grid_texts.h"

namespace vorn {

namespace {

// A header text wraps onto at most this many lines.
constexpr int kHeaderLines = 3;
constexpr auto kHeaderFlags = Qt::AlignCenter | Qt::TextWordWrap;

// The view of the first column alone; its geometry follows the grid's.
class FrozenColumn : public QTableView {
public:
  using QTableView::QTableView;
  using QTableView::updateGeometries;
};

void setUpHeader(QHeaderView* header)
{
  header->setDefaultAlignment(Qt::Alignment(kHeaderFlags));
  QFont bold = header->font();
  bold.setBold(true);
  header->setFont(bold);
  // The style's least width is its widest letter, wider than most numbers of a grid.
  const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  header->setMinimumSectionSize(QFontMetrics(bold).horizontalAdvance("00") + 2 * margin);
}

// The size a header text takes when wrapped at a width.
QRect wrapped(const QFontMetrics& metrics, const QString& text, int width)
{
  return metrics.boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), kHeaderFlags, text);
}

// The narrowest width at which a header text wraps onto at most kHeaderLines lines.
int narrowestWrap(const QFontMetrics& metrics, const QString& text)
{
  const int tallest = wrapped(metrics, QStringList(kHeaderLines, "x").join('\n'), 1 << 20).height();
  const int oneLine = metrics.horizontalAdvance(text);
  int low = oneLine / kHeaderLines;
  int high = oneLine;
  while (low < high) {
    const int mid = (low + high) / 2;
    const QRect r = wrapped(metrics, text, mid);
    if (r.height() <= tallest && r.width() <= mid) {
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return high;
}

}  // namespace

GridView::GridView(QWidget* parent) : QTableWidget(parent)
{
  setObjectName("MSFlexGrid1");
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->hide();
  setUpHeader(horizontalHeader());
  setLayoutDirection(Qt::RightToLeft);
  setItemDelegate(new NumberCellDelegate(this));
  setHorizontalScrollMode(ScrollPerPixel);
  setVerticalScrollMode(ScrollPerPixel);

  auto* frozen = new FrozenColumn(this);
  frozen_ = frozen;
  frozen_->setObjectName("MSFlexGrid1FirstColumn");
  frozen_->setModel(model());
  frozen_->setSelectionModel(selectionModel());
  frozen_->setItemDelegate(new NumberCellDelegate(frozen_));
  frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->setFrameShape(QFrame::NoFrame);
  frozen_->verticalHeader()->hide();
  setUpHeader(frozen_->horizontalHeader());
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollMode(ScrollPerPixel);
  viewport()->stackUnder(frozen_);
  connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
          &QAbstractSlider::setValue);
  connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
          &QAbstractSlider::setValue);
  // The first column is one column in both views. A column the user widens or narrows keeps its
  // width until the grid is refilled, and wraps its header again.
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (column == 0) {
              frozen_->setColumnWidth(0, size);
            }
            if (!spreading_ && !fitting_) {
              resizedByUser_ = true;
              fitHeaderHeight();
            }
          });
  connect(frozen_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (column == 0) {
              setColumnWidth(0, size);
            }
          });

  copy_ = new QAction(QString::fromUtf8(grid_texts::copy), this);
  copy_->setShortcut(QKeySequence::Copy);
  copy_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy_, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(copiedText()); });
  addAction(copy_);
  frozen_->addAction(copy_);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  frozen_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void GridView::draw(const Grid& grid)
{
  bool refilled = rowCount() != grid.rows() || columnCount() != grid.cols();
  setRowCount(grid.rows());
  setColumnCount(grid.cols());
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
        refilled = true;
      }
      cell->setTextAlignment(Qt::AlignCenter);
      if (r == 0) {
        QTableWidgetItem* header = horizontalHeaderItem(c);
        if (!header) {
          header = new QTableWidgetItem;
          setHorizontalHeaderItem(c, header);
        }
        if (header->text() != text) {
          header->setText(text);
        }
      }
    }
  }
  if (grid.rows() > 0) {
    setRowHidden(0, true);
    frozen_->setRowHidden(0, true);
  }
  for (int c = 1; c < grid.cols(); ++c) {
    frozen_->setColumnHidden(c, true);
  }
  if (refilled) {
    fitColumns(grid);
    fitHeaderHeight();
    clearSelection();
    scrollToTop();
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
  }
}

void GridView::fitColumns(const Grid& grid)
{
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QFontMetrics headerMetrics(horizontalHeader()->font());
  const int headerMargin =
      style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
  const int gridLine = showGrid() ? 1 : 0;
  needed_.clear();
  for (int c = 0; c < columnCount(); ++c) {
    int width = 0;
    bool written = false;
    for (int r = 0; r < rowCount(); ++r) {
      const QModelIndex index = model()->index(r, c);
      written = written || !index.data().toString().isEmpty();
      if (r > 0) {
        width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width());
      }
    }
    const QString header = model()->headerData(c, Qt::Horizontal).toString();
    if (!header.isEmpty()) {
      width = std::max(width, narrowestWrap(headerMetrics, header) + 2 * headerMargin);
    }
    // A column with no text at all (a grid not filled yet) keeps the width the grid asks for.
    needed_.push_back(std::max(written ? width + gridLine : grid.colWidth(c) / kTwipsPerPixel,
                               horizontalHeader()->minimumSectionSize()));
  }
  fitting_ = true;
  for (int c = 0; c < columnCount(); ++c) {
    setColumnWidth(c, needed_[static_cast<std::size_t>(c)]);
  }
  fitting_ = false;
  resizedByUser_ = false;
  spreadColumns();
}

void GridView::spreadColumns()
{
  const int columns = columnCount();
  if (resizedByUser_ || spreading_ || columns == 0 ||
      needed_.size() != static_cast<std::size_t>(columns)) {
    return;
  }
  // The room the columns leave goes to every column but the story numbers.
  int spare = viewport()->width();
  for (const int width : needed_) {
    spare -= width;
  }
  const int first = columns > 1 ? 1 : 0;
  const int sharing = columns - first;
  bool changed = false;
  spreading_ = true;
  for (int c = 0; c < columns; ++c) {
    int width = needed_[static_cast<std::size_t>(c)];
    if (spare > 0 && c >= first) {
      width += spare / sharing + (c - first < spare % sharing ? 1 : 0);
    }
    if (columnWidth(c) != width) {
      setColumnWidth(c, width);
      changed = true;
    }
  }
  spreading_ = false;
  if (changed) {
    fitHeaderHeight();
  }
}

void GridView::fitHeaderHeight()
{
  QHeaderView* header = horizontalHeader();
  const QFontMetrics metrics(header->font());
  const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  int textHeight = metrics.height();
  for (int c = 0; c < columnCount(); ++c) {
    const QString text = model()->headerData(c, Qt::Horizontal).toString();
    if (!text.isEmpty()) {
      textHeight =
          std::max(textHeight, wrapped(metrics, text, columnWidth(c) - 2 * margin).height());
    }
  }
  // The style's height of a one-line header, and the lines the longest text wraps onto.
  QStyleOptionHeader option;
  option.initFrom(header);
  option.text = "x";
  option.fontMetrics = metrics;
  const int oneLine =
      style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).height();
  const int height = oneLine + textHeight - metrics.height();
  if (header->minimumHeight() != height) {
    header->setMinimumHeight(height);
    frozen_->horizontalHeader()->setMinimumHeight(height);
    updateGeometries();
  }
}

void GridView::updateGeometries()
{
  QTableWidget::updateGeometries();
  spreadColumns();
  placeFrozenColumn();
}

void GridView::placeFrozenColumn()
{
  if (!frozen_) {
    return;  // the table lays itself out before the frozen column is made
  }
  const int width = columnCount() > 0 ? columnWidth(0) : 0;
  const QRect port = viewport()->geometry();
  const int top =
      horizontalHeader()->isVisible() ? horizontalHeader()->geometry().top() : port.top();
  // Column 0 is the rightmost column of a right-to-left table.
  const int left = isRightToLeft() ? port.right() + 1 - width : port.left();
  frozen_->setGeometry(left, top, width, port.bottom() + 1 - top);
  frozen_->setVisible(width > 0);
  static_cast<FrozenColumn*>(frozen_)->updateGeometries();
}

void GridView::keyPressEvent(QKeyEvent* event)
{
  // The table's own Ctrl+C copies the current cell alone.
  if (event->matches(QKeySequence::Copy)) {
    copy_->trigger();
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void GridView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
  QTableWidget::scrollTo(index, hint);
  if (!index.isValid() || index.column() == 0 || columnCount() == 0) {
    return;
  }
  // A cell that came to lie under the first column is brought out from under it.
  const QRect cell = visualRect(index);
  const int covered = columnWidth(0);
  const int under =
      isRightToLeft() ? cell.right() + 1 - (viewport()->width() - covered) : covered - cell.left();
  if (under > 0) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - under);
  }
}

QString GridView::copiedText() const
{
  const int rows = rowCount();
  const int cols = columnCount();
  if (rows == 0 || cols == 0) {
    return {};
  }
  const QModelIndexList picked = selectedIndexes();  // the hidden header row is never among them
  const bool whole = picked.isEmpty();
  int top = 1, bottom = rows - 1, left = 0, right = cols - 1;
  std::vector<int> pickedInColumn(static_cast<std::size_t>(cols), 0);
  if (!whole) {
    top = rows;
    bottom = -1;
    left = cols;
    right = -1;
    for (const QModelIndex& index : picked) {
      top = std::min(top, index.row());
      bottom = std::max(bottom, index.row());
      left = std::min(left, index.column());
      right = std::max(right, index.column());
      ++pickedInColumn[static_cast<std::size_t>(index.column())];
    }
  }
  auto headed = [&](int c) {
    return whole || pickedInColumn[static_cast<std::size_t>(c)] == rows - 1;
  };
  auto text = [this](int r, int c) {
    const QTableWidgetItem* cell = item(r, c);
    return cell ? cell->text() : QString();
  };
  QStringList lines;
  bool anyHeaded = false;
  for (int c = left; c <= right; ++c) {
    anyHeaded = anyHeaded || headed(c);
  }
  if (anyHeaded) {
    QStringList cells;
    for (int c = left; c <= right; ++c) {
      cells << (headed(c) ? text(0, c) : QString());
    }
    lines << cells.join('\t');
  }
  for (int r = top; r <= bottom; ++r) {
    QStringList cells;
    for (int c = left; c <= right; ++c) {
      const bool shown = whole || selectionModel()->isSelected(model()->index(r, c));
      cells << (shown ? text(r, c) : QString());
    }
    lines << cells.join('\t');
  }
  return lines.join('\n');
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
