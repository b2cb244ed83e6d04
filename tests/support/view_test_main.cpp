#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "views/main/all_windows_view.h"

// View tests run the real Qt windows on the offscreen platform, in a pinned locale.
int main(int argc, char* argv[])
{
  setenv("LC_ALL", "C.UTF-8", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  vorn::applyProgramLook();
  return RUN_ALL_TESTS();
}
