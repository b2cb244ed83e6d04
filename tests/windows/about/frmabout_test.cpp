#include "windows/about/frmabout.h"

#include <gtest/gtest.h>

#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"

namespace vorn {
namespace {

class AboutBox : public ::testing::Test {
protected:
  AboutBox() : s(std::make_unique<Session>(prompter)) {}
  Project& p() { return s->project; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s;
};

TEST_F(AboutBox, AboutButtonShowsTitleAndVersionOverTheDisabledMainWindow)
{
  test::clickMainCommand(*s, 7);
  EXPECT_TRUE(p().window(WindowId::frmAbout).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(p().window(WindowId::frmAbout).caption, "About VORN");
  const FrmAboutControls& c = s->frmAbout.controls();
  EXPECT_EQ(c.lblTitle.caption, "VORN");
  EXPECT_EQ(c.lblVersion.caption, "Version 1.0.0");
  EXPECT_EQ(c.lblDescription.caption, "");
  EXPECT_EQ(c.Label1.caption, "");
  EXPECT_EQ(c.lblDisclaimer.caption, "");
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(AboutBox, OkReturnsToTheMainWindowAndUnloadsTheBox)
{
  test::clickMainCommand(*s, 7);
  s->frmAbout.cmdOK_Click();
  EXPECT_FALSE(p().window(WindowId::frmAbout).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
  EXPECT_FALSE(s->frmAbout.loaded());
  EXPECT_EQ(s->frmAbout.controls().lblVersion.caption, "") << "unloaded: nothing kept";

  // Opened again it is loaded anew; the frame's close button does what OK does.
  test::clickMainCommand(*s, 7);
  EXPECT_EQ(s->frmAbout.loadCount(), 2);
  EXPECT_EQ(s->frmAbout.controls().lblVersion.caption, "Version 1.0.0");
  s->frmAbout.Form_QueryUnload();
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_FALSE(p().window(WindowId::frmAbout).visible);
}

TEST_F(AboutBox, TheAboutButtonStaysAvailableAfterNew)
{
  prompter.answer(true);
  test::newProject(*s);
  EXPECT_TRUE(p().form1.Command[7].enabled);
  test::clickMainCommand(*s, 7);
  EXPECT_TRUE(p().window(WindowId::frmAbout).visible);
}

}  // namespace
}  // namespace vorn
