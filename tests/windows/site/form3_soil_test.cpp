#include "windows/site/form3_soil.h"

#include <gtest/gtest.h>

#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/site/form2_site.h"

namespace vorn {
namespace {

class SoilDialogTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form3& dialog() { return s->form3; }
  void chooseSoil(int index)
  {
    test::clickMainCommand(*s, 2);
    dialog().Option1_Click(index);
    dialog().OK_Click();
  }
  // A as the site dialog fixes it directly (0 … 3: 0.20 … 0.35).
  void chooseA(int position)
  {
    s->form2.Option2_Click();
    s->form2.Combo3_Click(position);
    s->form2.OK_Click();
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

struct SoilCase {
  int option;
  int aPosition;  // of the direct A list: 0.20, 0.25, 0.30, 0.35
  double TS, T0, S;
};

TEST_F(SoilDialogTest, EachSoilTypeSetsItsPeriodsAndS)
{
  const SoilCase cases[] = {
      {0, 3, 0.4, 0.1, 1.5},   {1, 3, 0.5, 0.1, 1.5},   {2, 3, 0.7, 0.15, 1.75},
      {2, 0, 0.7, 0.15, 1.75}, {3, 3, 1.0, 0.15, 1.75}, {3, 2, 1.0, 0.15, 1.75},
      {3, 1, 1.0, 0.15, 2.25}, {3, 0, 1.0, 0.15, 2.25}, {0, 0, 0.4, 0.1, 1.5},
  };
  for (const SoilCase& c : cases) {
    chooseA(c.aPosition);
    chooseSoil(c.option);
    EXPECT_DOUBLE_EQ(p().TS, c.TS) << "soil " << c.option + 1;
    EXPECT_DOUBLE_EQ(p().T0, c.T0) << "soil " << c.option + 1;
    EXPECT_DOUBLE_EQ(p().S, c.S) << "soil " << c.option + 1 << ", A " << p().a;
    for (int k = 0; k <= 3; ++k) {
      EXPECT_EQ(p().form3.Option1[k].value, k == c.option);
    }
  }
}

TEST_F(SoilDialogTest, SoilType4ThenAPoint25GivesS225AndAPoint35ThenSoil4Gives175)
{
  chooseSoil(3);
  chooseA(1);
  EXPECT_DOUBLE_EQ(p().S, 2.25);
  chooseA(3);
  chooseSoil(3);
  EXPECT_DOUBLE_EQ(p().S, 1.75);
}

TEST_F(SoilDialogTest, CancelRestoresTheOptionAndLeavesTheParameters)
{
  chooseSoil(2);
  test::clickMainCommand(*s, 2);
  dialog().Option1_Click(3);
  dialog().CANCEL_Click();
  for (int k = 0; k <= 3; ++k) {
    EXPECT_EQ(p().form3.Option1[k].value, k == 2);
  }
  EXPECT_DOUBLE_EQ(p().TS, 0.7);
  EXPECT_DOUBLE_EQ(p().T0, 0.15);
  EXPECT_DOUBLE_EQ(p().S, 1.75);
  EXPECT_FALSE(p().window(WindowId::Form3).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
}

TEST_F(SoilDialogTest, HelpOpensOverTheDialogAndItsOkReturns)
{
  test::clickMainCommand(*s, 2);
  dialog().Command1_Click();
  EXPECT_FALSE(p().window(WindowId::Form3).enabled);
  EXPECT_TRUE(p().window(WindowId::Form4).visible);
  s->form4.Command1_Click();
  EXPECT_TRUE(p().window(WindowId::Form3).enabled);
  EXPECT_TRUE(p().window(WindowId::Form3).visible);
  EXPECT_FALSE(p().window(WindowId::Form4).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled) << "the main window waits for the dialog";
}

TEST_F(SoilDialogTest, NoOptionSelectedLeavesTheParameters)
{
  chooseSoil(1);
  for (int k = 0; k <= 3; ++k) {
    p().form3.Option1[k].value = false;  // as a project file may leave it
  }
  test::clickMainCommand(*s, 2);
  dialog().OK_Click();
  EXPECT_DOUBLE_EQ(p().TS, 0.5);
  EXPECT_DOUBLE_EQ(p().T0, 0.1);
  EXPECT_DOUBLE_EQ(p().S, 1.5);
  dialog().Option1_Click(4);  // no such option
  EXPECT_FALSE(p().form3.Option1[3].value);
}

}  // namespace
}  // namespace vorn
