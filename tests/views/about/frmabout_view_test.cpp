#include "views/about/frmabout_view.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QPointer>
#include <QtTest/QTest>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "views/main/all_windows_view.h"
#include "views/main/form1_main_view.h"
#include "windows/about/frmabout.h"

namespace vorn {
namespace {

class AboutView : public ::testing::Test {
protected:
  AboutView() { createAllWindows(app); }
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Form1View& main() { return *static_cast<Form1View*>(app.view(WindowId::form1)); }
  FrmAboutView& about() { return *static_cast<FrmAboutView*>(app.view(WindowId::frmAbout)); }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(AboutView, AboutButtonShowsTheBoxAndOkReturns)
{
  EXPECT_FALSE(about().isVisible());
  QTest::mouseClick(main().command(7), Qt::LeftButton);
  ASSERT_TRUE(about().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(about().windowTitle(), "About VORN");
  EXPECT_EQ(about().titleLabel()->text(), "VORN");
  EXPECT_EQ(about().versionLabel()->text(), "Version 1.0.0");
  EXPECT_EQ(about().okButton()->text(), "OK");
  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    about().grab().save(QString::fromUtf8(dir) + "/about.png");
  }

  QTest::mouseClick(about().okButton(), Qt::LeftButton);
  EXPECT_FALSE(about().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

TEST_F(AboutView, TheBoxIsBuiltAnewEachTimeItOpens)
{
  QTest::mouseClick(main().command(7), Qt::LeftButton);
  const QPointer<QWidget> first = about().content();
  ASSERT_FALSE(first.isNull());
  QTest::mouseClick(about().okButton(), Qt::LeftButton);
  QTest::mouseClick(main().command(7), Qt::LeftButton);
  EXPECT_TRUE(first.isNull()) << "the earlier box's controls are gone";
  ASSERT_NE(about().content(), nullptr);
  EXPECT_EQ(about().versionLabel()->text(), "Version 1.0.0");
  // The frame's close button returns to the main window as OK does.
  about().close();
  EXPECT_FALSE(about().isVisible());
  EXPECT_TRUE(main().isEnabled());
}

}  // namespace
}  // namespace vorn
