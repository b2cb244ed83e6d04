#include "model/grid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vorn {
namespace {

TEST(Grid, CellsAreWrittenThroughTheCurrentCellAndReadBack)
{
  Grid g(2, 3);
  g.setRow(1);
  g.setCol(2);
  g.setText(" 12.5");
  g.setCellFormat(3);
  EXPECT_EQ(g.text(1, 2), " 12.5");
  EXPECT_EQ(g.cellFormat(1, 2), 3);
  EXPECT_EQ(g.text(1, 1), "");
  g.setCell(0, 0, "header");
  EXPECT_EQ(g.text(0, 0), "header");
}

TEST(Grid, RefillWithFewerRowsLeavesNoEarlierRow)
{
  Grid g(2, 2);
  g.setRows(6);
  for (int r = 0; r < 6; ++r) {
    g.setCell(r, 1, "row" + std::to_string(r));
  }
  g.setRows(2);
  EXPECT_EQ(g.rows(), 2);
  EXPECT_EQ(g.text(1, 1), "row1");
  EXPECT_THROW(g.text(2, 1), std::out_of_range);
  g.setRows(4);  // growing again brings no old text back
  EXPECT_EQ(g.text(3, 1), "");
}

TEST(Grid, ClearEmptiesCellsButKeepsTheShape)
{
  Grid g(3, 2);
  g.setCell(2, 1, "x");
  g.setColWidth(1, 1500);
  g.clear();
  EXPECT_EQ(g.rows(), 3);
  EXPECT_EQ(g.cols(), 2);
  EXPECT_EQ(g.text(2, 1), "");
  EXPECT_EQ(g.colWidth(1), 1500);
}

TEST(Grid, NothingIsReadOrWrittenOutsideTheGrid)
{
  Grid g(2, 8);
  EXPECT_THROW(g.text(0, 8), std::out_of_range);
  EXPECT_THROW(g.text(-1, 0), std::out_of_range);
  EXPECT_THROW(g.setRow(2), std::out_of_range);
  EXPECT_THROW(g.setColWidth(8, 100), std::out_of_range);
  EXPECT_THROW(g.setCols(-1), std::out_of_range);
}

TEST(ListBox, KeepsLinesInOrderUntilCleared)
{
  ListBox l;
  l.addItem("a");
  l.addItem("b");
  EXPECT_EQ(l.lines(), (std::vector<std::string>{"a", "b"}));
  l.clear();
  EXPECT_EQ(l.count(), 0);
}

}  // namespace
}  // namespace vorn
