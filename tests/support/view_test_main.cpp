#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <cstdlib>

#include "offscreen_screen.h"
#include "temp_folder.h"
#include "toolkit/window_geometry_view.h"
#include "views/main/all_windows_view.h"

namespace {

// Every test starts without the window sizes an earlier test of the same run left.
class ForgetWindowSizes : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override
  {
    QSettings(vorn::kSettingsOrganisation, vorn::kSettingsApplication).clear();
  }
};

}  // namespace

// View tests run the real Qt windows on the offscreen platform, on a laptop's screen, in a pinned
// locale, with settings of their own.
int main(int argc, char* argv[])
{
  setenv("LC_ALL", "C.UTF-8", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const vorn::test::TempFolder own("vorn-view-tests");
  vorn::test::useOwnScreenAndSettings(own.path(), vorn::test::kLaptopWidth,
                                      vorn::test::kLaptopHeight);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetWindowSizes);
  QApplication app(argc, argv);
  vorn::applyProgramLook();
  return RUN_ALL_TESTS();
}
