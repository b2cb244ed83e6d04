#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>
#include <QtTest/QTest>

namespace vorn::test {

// The user opens a list and clicks one of its items.
inline void pickItem(QComboBox* list, const QString& text)
{
  const int k = list->findText(text);
  ASSERT_GE(k, 0) << text.toStdString();
  list->showPopup();
  QAbstractItemView* items = list->view();
  const QModelIndex item = items->model()->index(k, 0);
  items->scrollTo(item);
  QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(item).center());
  ASSERT_FALSE(items->isVisible()) << "the list closes on the click";
}

// The user clicks an option button on its round mark (on the right in a right-to-left window).
inline void clickOption(QRadioButton* option)
{
  const int x = option->isRightToLeft() ? option->width() - 8 : 8;
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(x, option->height() / 2));
}

}  // namespace vorn::test
