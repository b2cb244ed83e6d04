#include "toolkit/grid_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest/QTest>
#include <string>

#include "windows/common/grid_texts.h"

namespace vorn {
namespace {

const char* const kLongHeader = "نيروي برشي وارد بر ديافراگم طبقه در جهت افقي";

// A results grid: the story numbers in column 0 under the header row, a long header over column 1.
Grid storyGrid(int stories, int cols, const char* header1 = kLongHeader)
{
  Grid g(stories + 1, cols);
  for (int c = 0; c < cols; ++c) {
    g.setCell(0, c, c == 1 ? header1 : "ستون");
    for (int r = 1; r <= stories; ++r) {
      g.setCell(r, c, " " + std::to_string(c == 0 ? r : r * 1000 + c));
    }
  }
  return g;
}

// A grid drawn alone in a shown window of the given width.
struct GridWindow {
  GridWindow(int width, const Grid& contents, Qt::LayoutDirection direction = Qt::RightToLeft)
  {
    grid->setLayoutDirection(direction);
    (new QVBoxLayout(&window))->addWidget(grid);
    window.resize(width, 320);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    grid->draw(contents);
    QApplication::processEvents();
  }
  // Where a cell and the frozen column lie, in the grid's coordinates.
  QRect cell(int row, int col) const
  {
    return grid->visualRect(grid->model()->index(row, col)).translated(grid->viewport()->pos());
  }
  QRect frozen() const { return grid->frozenColumn()->geometry(); }

  QWidget window;
  GridView* grid = new GridView(&window);
};

TEST(GridViewTest, FirstColumnStaysInSightWhileTheGridScrollsSidewaysAndARefillScrollsBack)
{
  for (const auto direction : {Qt::RightToLeft, Qt::LeftToRight}) {
    GridWindow w(360, storyGrid(200, 13), direction);
    EXPECT_EQ(w.frozen().left(), w.cell(1, 0).left());
    EXPECT_EQ(w.frozen().width(), w.grid->columnWidth(0));
    w.grid->horizontalScrollBar()->setValue(w.grid->horizontalScrollBar()->maximum());
    w.grid->verticalScrollBar()->setValue(w.grid->verticalScrollBar()->maximum());
    QApplication::processEvents();

    const QRect port = w.grid->viewport()->geometry();
    EXPECT_FALSE(w.cell(200, 0).intersects(port));  // the table's own column 0 is out of sight
    EXPECT_EQ(direction == Qt::RightToLeft ? w.frozen().right() : w.frozen().left(),
              direction == Qt::RightToLeft ? port.right() : port.left());
    const QTableView* frozen = w.grid->frozenColumn();
    const QModelIndex last = frozen->indexAt(frozen->viewport()->rect().bottomLeft());
    EXPECT_EQ(last.data().toString(), " 200");
    EXPECT_EQ(frozen->visualRect(last).top(), w.cell(200, 5).top() - port.top());
    // The keyboard does not leave its cell under the frozen column.
    w.grid->setCurrentCell(150, 1);
    EXPECT_FALSE(w.cell(150, 1).intersects(w.frozen()));
    EXPECT_TRUE(port.contains(w.cell(150, 1)));

    // The windows redraw after every event: the same contents stay where the user took them; a
    // refill goes back to the start.
    QScrollBar* across = w.grid->horizontalScrollBar();
    const int scrolled = across->value();
    w.grid->draw(storyGrid(200, 13));
    EXPECT_EQ(across->value(), scrolled);
    EXPECT_GT(w.grid->verticalScrollBar()->value(), 0);
    w.grid->draw(storyGrid(5, 13));
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(w.grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(frozen->verticalScrollBar()->value(), 0);
  }
}

TEST(GridViewTest, ColumnsFitTheirNumbersAndALongHeaderWrapsOntoATallerHeader)
{
  Grid g = storyGrid(3, 3);
  g.setCell(2, 2, " 123456789");
  g.setColWidth(2, 6000);
  GridWindow narrow(120, g);
  const int widest = narrow.grid->fontMetrics().horizontalAdvance(" 123456789");
  EXPECT_GE(narrow.grid->columnWidth(2), widest);
  EXPECT_LE(narrow.grid->columnWidth(2), widest + 16);
  const QFontMetrics header(narrow.grid->horizontalHeader()->font());
  EXPECT_LT(narrow.grid->columnWidth(1), header.horizontalAdvance(kLongHeader) / 2);
  GridWindow shortHeader(120, storyGrid(3, 3, "x"));
  const int lines = (narrow.grid->horizontalHeader()->height() -
                     shortHeader.grid->horizontalHeader()->height() + header.lineSpacing() / 2) /
                    header.lineSpacing();
  EXPECT_EQ(lines, 2);  // two more lines than the one of a short header
  EXPECT_EQ(narrow.grid->item(0, 1)->text(), kLongHeader);
  EXPECT_TRUE(narrow.grid->isRowHidden(0));

  // A wide window's room goes to the columns after the story numbers.
  GridWindow wide(900, g);
  EXPECT_EQ(wide.grid->columnWidth(0), narrow.grid->columnWidth(0));
  EXPECT_EQ(wide.grid->horizontalHeader()->length(), wide.grid->viewport()->width());
}

// Opens the context menu over a view and chooses its command; returns the menu's captions.
QStringList chooseFromContextMenu(QAbstractItemView* view)
{
  QStringList captions;
  QTimer::singleShot(0, [&captions] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (const QAction* a : menu->actions()) {
      captions << a->text();
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
  });
  const QPoint at = view->viewport()->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view->viewport(), &event);
  return captions;
}

TEST(GridViewTest, CopyPutsTheSelectionOrTheWholeGridOnTheClipboardAsTabSeparatedLines)
{
  Grid g(4, 3);
  const char* const texts[4][3] = {{"شماره طبقه", "a b", "c"},
                                   {" 1", " .5", "-2"},
                                   {" 2", "قابل صرفنظر", ""},
                                   {" 3", "x", " 7"}};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 3; ++c) {
      g.setCell(r, c, texts[r][c]);
    }
  }
  GridWindow w(400, g);
  QClipboard* clipboard = QGuiApplication::clipboard();
  w.window.activateWindow();  // the offscreen platform activates no window by itself
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  w.grid->setFocus();
  QTest::keyClick(w.grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text().toStdString(),
            "شماره طبقه\ta b\tc\n 1\t .5\t-2\n 2\tقابل صرفنظر\t\n 3\tx\t 7");

  w.grid->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);
  EXPECT_EQ(chooseFromContextMenu(w.grid), QStringList{grid_texts::copy});
  EXPECT_EQ(clipboard->text().toStdString(), " .5\t-2\nقابل صرفنظر\t");
  // A whole column brings its header along; the frozen column has the same menu.
  w.grid->selectColumn(1);
  EXPECT_EQ(chooseFromContextMenu(w.grid->frozenColumn()).size(), 1);
  EXPECT_EQ(clipboard->text().toStdString(), "a b\n .5\nقابل صرفنظر\nx");
}

}  // namespace
}  // namespace vorn
