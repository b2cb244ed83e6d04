#include "windows/structure/form8_structure.h"

#include <gtest/gtest.h>

#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/structure/form10_stories.h"
#include "windows/structure/form11_story_picker.h"
#include "windows/structure/form9_structure_help.h"

namespace vorn {
namespace {

class StructureDialogTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form8& f() { return s->form8; }
  Form8Controls& c() { return p().form8; }
  WindowState& win(WindowId id) { return p().window(id); }

  // The dialog opened from the main window with the given texts typed.
  void openWith(const char* period, const char* stories, const char* height)
  {
    test::clickMainCommand(*s, 6);
    c().Text[1].text = period;
    c().Text[2].text = stories;
    c().Text[3].text = height;
  }
  // Story k entered with the given height.
  void enter(int k, double height)
  {
    p().STORYSET[k] = true;
    p().HS[k] = height;
    p().AR[k] = 100;
  }
  std::string missing(int k)
  {
    // The message names the story in the program's number form: a blank before the number.
    return std::string(form8_texts::storyMissingBefore) + " " + std::to_string(k) +
           form8_texts::storyMissingAfter;
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(StructureDialogTest, TheMainWindowOpensTheDialogOverItself)
{
  test::clickMainCommand(*s, 6);
  EXPECT_TRUE(win(WindowId::Form8).visible);
  EXPECT_FALSE(win(WindowId::form1).enabled);
}

TEST_F(StructureDialogTest, LeavingTheStoryCountRoundsItToAWholeNumber)
{
  openWith("1.0", "2.6", "3");
  EXPECT_TRUE(f().Text_LostFocus(2));
  EXPECT_EQ(c().Text[2].text, "3");
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(StructureDialogTest, ARefusedBoxGetsBackTheTextItHadWhenTheDialogOpened)
{
  c().Text[1].text = "0.8";
  c().Text[2].text = "4";
  c().Text[3].text = "12.5";
  test::clickMainCommand(*s, 6);
  struct Case {
    int box;
    const char* typed;
    const char* message;
    const char* restored;
  };
  const Case cases[] = {
      {1, "", form8_texts::periodLeave, "0.8"},
      {2, "0", form8_texts::storyCountLeave, "4"},
      {2, "", form8_texts::storyCountLeave, "4"},
      {2, "0.4", form8_texts::storyCountLeave, "4"},  // the picture makes it empty
      {3, "-2", form8_texts::heightLeave, "12.5"},
  };
  for (const Case& k : cases) {
    prompter.clear();
    c().Text[k.box].text = k.typed;
    EXPECT_FALSE(f().Text_LostFocus(k.box)) << k.typed;
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, k.message);
    EXPECT_EQ(prompter.shown()[0].title, "VORN");
    EXPECT_EQ(c().Text[k.box].text, k.restored);
    EXPECT_EQ(win(WindowId::Form8).focus, "Text" + std::to_string(k.box));
  }
}

TEST_F(StructureDialogTest, TheKeyRingSkipsThePeriodBoxWhileItIsDisabled)
{
  test::clickMainCommand(*s, 6);
  ASSERT_FALSE(c().Text[1].enabled);  // the empirical period is chosen after New
  f().Text_KeyDown(3, BoxKey::Enter);
  EXPECT_EQ(win(WindowId::Form8).focus, "Text2");
  f().Text_KeyDown(2, BoxKey::Up);
  EXPECT_EQ(win(WindowId::Form8).focus, "Text3");

  f().Check_Click(4, 0);
  f().Text_KeyDown(3, BoxKey::Down);
  EXPECT_EQ(win(WindowId::Form8).focus, "Text1");
  f().Text_KeyDown(2, BoxKey::Up);
  EXPECT_EQ(win(WindowId::Form8).focus, "Text1");
}

TEST_F(StructureDialogTest, TheEmpiricalPeriodBoxDecidesWhetherThePeriodCanBeTyped)
{
  f().Check_Click(4, 0);
  EXPECT_EQ(c().Check[4].value, 0);
  EXPECT_TRUE(c().Text[1].enabled);
  f().Check_Click(4, 1);
  EXPECT_FALSE(c().Text[1].enabled);
  // The file reader restores the value and then calls the handler.
  c().Check[4].value = 0;
  f().Check4_Click();
  EXPECT_TRUE(c().Text[1].enabled);
}

TEST_F(StructureDialogTest, ValidationChecksEveryBoxInOrderEvenTheDisabledPeriod)
{
  openWith("0", "0", "-1");
  ASSERT_FALSE(c().Text[1].enabled);
  f().err();
  EXPECT_TRUE(f().errore);
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{form8_texts::periodError, form8_texts::storyCountError,
                                      form8_texts::heightError}));
  for (const auto& m : prompter.shown()) {
    EXPECT_EQ(m.title, "ERRORE BOX");
  }
  EXPECT_EQ(win(WindowId::Form8).focus, "Text3");
}

TEST_F(StructureDialogTest, ValidationStoresTheThreeValues)
{
  openWith(" .85abc", "12", "36.6");
  f().err();
  EXPECT_FALSE(f().errore);
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(p().T, 0.85);
  EXPECT_EQ(p().N, 12);
  EXPECT_EQ(p().H1, 36.6);
}

TEST_F(StructureDialogTest, StoryCountsBeyondTheTwoHundredOfTheTablesAreRefused)
{
  struct Case {
    const char* typed;
    const char* message;  // nullptr: accepted
  };
  const Case cases[] = {
      {"200", nullptr},
      {"201", form8_texts::storyCountLimit},
      {"1000", form8_texts::storyCountLimit},
      {"2.5", form8_texts::storyCountError},
  };
  for (const Case& k : cases) {
    prompter.clear();
    openWith("1.0", k.typed, "3");
    f().Command2_Click();  // would open the story window on success
    if (k.message == nullptr) {
      EXPECT_TRUE(prompter.shown().empty()) << k.typed;
      EXPECT_TRUE(win(WindowId::Form10).visible) << k.typed;
    } else {
      ASSERT_EQ(prompter.shown().size(), 1u) << k.typed;
      EXPECT_EQ(prompter.shown()[0].text, k.message);
      EXPECT_EQ(prompter.shown()[0].title, "ERRORE BOX");
      EXPECT_EQ(win(WindowId::Form8).focus, "Text2");
      EXPECT_FALSE(win(WindowId::Form10).visible) << k.typed;
      EXPECT_FALSE(f().errore);
    }
    s->form10.CANCEL_Click();
    f().CANCEL_Click();
  }
}

TEST_F(StructureDialogTest, StoryButtonsOpenNothingWhenValidationFails)
{
  openWith("1.0", "3", "0");
  f().Command2_Click();
  f().Command3_Click();
  EXPECT_EQ(prompter.shown().size(), 2u);
  EXPECT_FALSE(f().errore);
  EXPECT_FALSE(win(WindowId::Form10).visible);
  EXPECT_FALSE(win(WindowId::Form11).visible);
  EXPECT_TRUE(win(WindowId::Form8).enabled);
}

TEST_F(StructureDialogTest, TheHelpWindowOpensOverTheDialogAndReturnsToIt)
{
  test::clickMainCommand(*s, 6);
  f().Command1_Click();
  EXPECT_TRUE(win(WindowId::Form9).visible);
  EXPECT_FALSE(win(WindowId::Form8).enabled);
  s->form9.OK_Click();
  EXPECT_FALSE(win(WindowId::Form9).visible);
  EXPECT_TRUE(win(WindowId::Form8).enabled);
  EXPECT_TRUE(win(WindowId::Form8).visible);
}

TEST_F(StructureDialogTest, OkNamesEveryMissingStoryInAscendingOrder)
{
  openWith("1.0", "5", "15");
  for (int k : {1, 2, 4}) {
    enter(k, 3);
  }
  f().OK_Click();
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{missing(3), missing(5)}));
  EXPECT_EQ(prompter.shown()[0].title, "ERRORE BOX");
  EXPECT_TRUE(win(WindowId::Form8).visible);
  EXPECT_FALSE(p().form1.Command[9].enabled);
}

TEST_F(StructureDialogTest, TheBuildingHeightMayDifferFromTheStoryHeightsByOneCentimetre)
{
  // Stories of 3, 3 and 3.01 m add up to 9.01 m.
  struct Case {
    const char* height;
    bool accepted;
  };
  const Case cases[] = {{"9", true},     {"9.02", true},  {"9.01", true},
                        {"9.05", false}, {"8.99", false}, {"9.03", false}};
  for (const Case& k : cases) {
    s = std::make_unique<Session>(prompter);
    prompter.clear();
    openWith("1.0", "3", k.height);
    enter(1, 3);
    enter(2, 3);
    enter(3, 3.01);
    f().OK_Click();
    if (k.accepted) {
      EXPECT_TRUE(prompter.shown().empty()) << k.height;
      EXPECT_FALSE(win(WindowId::Form8).visible) << k.height;
    } else {
      EXPECT_EQ(prompter.texts(), std::vector<std::string>{form8_texts::heightMismatch})
          << k.height;
      EXPECT_TRUE(win(WindowId::Form8).visible) << k.height;
      EXPECT_FALSE(p().form1.Command[8].enabled) << k.height;
    }
  }
}

TEST_F(StructureDialogTest, ADifferenceOfExactlyOneCentimetreIsAcceptedWhateverTheBinarySum)
{
  // 0.1 + 0.2 is a little above 0.3 in binary; 0.31 - (0.1 + 0.2) is a little below 0.01 and
  // 0.29 leaves a difference a little above it.
  openWith("1.0", "2", "0.29");
  enter(1, 0.1);
  enter(2, 0.2);
  ASSERT_GT(0.1 + 0.2 - 0.29, 0.01);
  f().OK_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(win(WindowId::Form8).visible);
}

TEST_F(StructureDialogTest, OkUnlocksTheRunTheSummaryAndTheStoryTableOfTheReport)
{
  openWith("1.2", "2", "6");
  enter(1, 3);
  enter(2, 3);
  p().form8.Check[1].enabled = true;  // a moment frame in x leaves the infill to the user
  f().Check_Click(4, 0);              // analytical period
  f().OK_Click();
  ASSERT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(win(WindowId::Form8).visible);
  EXPECT_TRUE(win(WindowId::form1).enabled);
  EXPECT_TRUE(win(WindowId::form1).visible);
  EXPECT_TRUE(p().Form8State[1]);
  EXPECT_FALSE(p().Form8State[2]);
  EXPECT_TRUE(p().Form8State[3]);
  EXPECT_TRUE(p().form1.Command[8].enabled);
  EXPECT_TRUE(p().form1.Command[9].enabled);
  EXPECT_TRUE(p().form27.Check[2].enabled);
  EXPECT_FALSE(p().form27.Check[3].enabled);
  EXPECT_FALSE(c().Command[2].enabled);
  EXPECT_TRUE(c().Command[3].enabled);
  EXPECT_EQ(p().T, 1.2);
}

TEST_F(StructureDialogTest, OkOnARegularBuildingSetsEveryAmplificationFactorToOne)
{
  for (int k : {1, 2, 3, 150, 200}) {
    p().Ajx[k] = 1.8;
    p().Ajy[k] = 2.4;
  }
  openWith("1.0", "2", "6");
  enter(1, 3);
  enter(2, 3);
  ASSERT_EQ(c().Check[3].value, 1);
  f().OK_Click();
  for (int k : {1, 2, 3, 150, 200}) {
    EXPECT_EQ(p().Ajx[k], 1) << k;
    EXPECT_EQ(p().Ajy[k], 1) << k;
  }
}

TEST_F(StructureDialogTest, OkOnAnIrregularBuildingKeepsTheAmplificationFactors)
{
  p().Ajx[2] = 1.8;
  p().Ajy[150] = 2.4;
  openWith("1.0", "2", "6");
  f().Check_Click(3, 0);
  enter(1, 3);
  enter(2, 3);
  f().OK_Click();
  EXPECT_EQ(p().Ajx[2], 1.8);
  EXPECT_EQ(p().Ajy[150], 2.4);
}

TEST_F(StructureDialogTest, CancelBringsBackTheStoryTableAndEverythingTypedSinceOpening)
{
  // A confirmed two-story building.
  enter(1, 3);
  enter(2, 3.5);
  p().N = 2;
  p().H1 = 6.5;
  c().Text[2].text = "2";
  c().Text[3].text = "6.5";
  c().Command[2].enabled = false;
  c().Command[3].enabled = true;
  p().form10.Text[4].text = "350";

  test::clickMainCommand(*s, 6);
  c().Text[2].text = "3";
  c().Text[3].text = "9.5";
  f().Check_Click(3, 0);
  f().Check_Click(4, 0);
  f().Command3_Click();  // validates: N = 3, H1 = 9.5
  ASSERT_EQ(p().N, 3);
  p().form11.Combo1.index = 2;
  s->form11.OK_Click();  // story 3
  s->form10.OK_Click();  // story 3 entered with the boxes' values
  ASSERT_TRUE(p().STORYSET[3]);
  p().HS[1] = 9;

  f().CANCEL_Click();
  EXPECT_FALSE(p().STORYSET[3]);
  EXPECT_EQ(p().HS[1], 3);
  EXPECT_EQ(p().HS[2], 3.5);
  EXPECT_EQ(p().AR[3], 0);
  EXPECT_EQ(c().Text[2].text, "2");
  EXPECT_EQ(c().Text[3].text, "6.5");
  EXPECT_EQ(c().Check[3].value, 1);
  EXPECT_EQ(c().Check[4].value, 1);
  EXPECT_FALSE(c().Text[1].enabled);
  EXPECT_EQ(p().N, 2);
  EXPECT_EQ(p().H1, 6.5);
  EXPECT_EQ(p().form10.Text[4].text, "200");  // the story window's boxes back to their defaults
  EXPECT_FALSE(c().Command[2].enabled);
  EXPECT_TRUE(c().Command[3].enabled);
  EXPECT_FALSE(win(WindowId::Form8).visible);
  EXPECT_TRUE(win(WindowId::form1).enabled);
}

TEST_F(StructureDialogTest, CancelWithNoStoryEnteredOffersTheFirstEntryAgain)
{
  test::clickMainCommand(*s, 6);
  c().Text[2].text = "2";
  f().Command2_Click();
  s->form10.APPLY_Click();  // story 1 entered
  s->form10.CANCEL_Click();
  f().CANCEL_Click();
  EXPECT_FALSE(p().STORYSET[1]);
  EXPECT_TRUE(c().Command[2].enabled);
  EXPECT_FALSE(c().Command[3].enabled);
  EXPECT_EQ(p().N, 1);
}

}  // namespace
}  // namespace vorn
