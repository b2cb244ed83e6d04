#include "toolkit/number_cells_view.h"

#include <gtest/gtest.h>

#include <QStandardItemModel>
#include <QStyleOptionViewItem>

namespace vorn {
namespace {

// Opens the delegate's style option to the test.
class OpenDelegate : public NumberCellDelegate {
public:
  Qt::LayoutDirection directionOf(const QString& text)
  {
    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem(text));
    QStyleOptionViewItem option;
    option.direction = Qt::RightToLeft;
    initStyleOption(&option, model.index(0, 0));
    return option.direction;
  }
};

TEST(NumberCells, NumbersAreDrawnLeftToRightAndPersianTextKeepsItsDirection)
{
  OpenDelegate d;
  EXPECT_EQ(d.directionOf(" .042"), Qt::LeftToRight);
  EXPECT_EQ(d.directionOf("-.5"), Qt::LeftToRight);
  EXPECT_EQ(d.directionOf(" 1E-05"), Qt::LeftToRight);
  EXPECT_EQ(d.directionOf(QString::fromUtf8("پريود بر حسب ثانيه")), Qt::RightToLeft);
  EXPECT_EQ(d.directionOf(QString::fromUtf8("طبقه 3")), Qt::RightToLeft);
}

}  // namespace
}  // namespace vorn
