#include "windows/torsion/form14_torsion.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/torsion/form15_story_picker.h"
#include "windows/torsion/form16_torsion_stories.h"

namespace vorn {
namespace {

// The eight boxes Text2 … Text9 of a story, as typed: CMx, CMy, CRx, CRy, DIMx, DIMy, Ajx, Ajy.
using Typed = std::array<const char*, 8>;

class TorsionDataTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form14& data() { return s->form14; }
  Form16& stories() { return s->form16; }
  WindowState& win(WindowId id) { return p().window(id); }
  std::string& text14(int k) { return p().form14.Text[k].text; }
  std::string& text16(int k) { return p().form16.Text[k].text; }
  const std::vector<test::ScriptedPrompter::Shown>& shown() { return prompter.shown(); }

  // The static run is done and its window closed: the torsion data button is open. The plan is
  // 20 m by 12 m.
  void openData(int n, bool regular = false)
  {
    p().N = n;
    p().form8.Check[3].value = regular ? 1 : 0;
    p().form1.Command[10].enabled = true;
    test::clickMainCommand(*s, 10);
    ASSERT_TRUE(win(WindowId::Form14).visible);
    text14(1) = "20";
    text14(2) = "12";
    text14(3) = "0.8";
  }
  // Through the picker to story k (its position is k - 1).
  void openStory(int k)
  {
    data().Command1_Click();
    ASSERT_TRUE(win(WindowId::Form15).visible);
    s->form15.Combo1_Click(k - 1);
    s->form15.Command1_Click();
    ASSERT_TRUE(win(WindowId::Form16).visible);
  }
  void type(const Typed& values)
  {
    for (int k = 2; k <= 9; ++k) {
      text16(k) = values.at(static_cast<std::size_t>(k - 2));
    }
  }
  std::string missing16(int k)
  {
    return std::string(form16_texts::storyMissingBefore) + " " + std::to_string(k) +
           form16_texts::storyMissingAfter;
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

constexpr Typed kStory = {"9", "6.5", "10.5", "5.5", "18", "11", "1.5", "2"};

// ---- The torsion data dialog -------------------------------------------------------------------

TEST_F(TorsionDataTest, OptionPairOnlyForAnIrregularBuilding)
{
  struct Case {
    bool regular;
    int height;
  };
  for (const Case c : {Case{true, 3000}, Case{false, 4740}}) {
    s = std::make_unique<Session>(prompter);
    openData(3, c.regular);
    EXPECT_FALSE(win(WindowId::form1).enabled);
    EXPECT_EQ(win(WindowId::Form14).heightTwips, c.height);
    EXPECT_EQ(p().form14.Label2.visible, !c.regular);
    EXPECT_EQ(p().form14.Option1[0].visible, !c.regular);
    EXPECT_EQ(p().form14.Option1[1].visible, !c.regular);
  }
}

TEST_F(TorsionDataTest, FactorBoxesOpenOnlyForTypedFactorsOfAnIrregularBuilding)
{
  struct Case {
    bool regular;
    int option;
    bool open;
  };
  const Case cases[] = {{false, 0, true}, {false, 1, false}, {true, 0, false}, {true, 1, false}};
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    openData(3, c.regular);
    data().Option1_Click(c.option);
    data().Command1_Click();
    EXPECT_EQ(p().form16.Text[8].enabled, c.open) << c.regular << c.option;
    EXPECT_EQ(p().form16.Text[9].enabled, c.open) << c.regular << c.option;
  }
}

TEST_F(TorsionDataTest, ValidationGivesOneMessageAndStoresNothing)
{
  openData(2);
  text14(2) = "0";
  text14(3) = "abc";
  data().Command1_Click();
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, form14_texts::sizesPositive);
  EXPECT_EQ(shown()[0].title, "ERRORE BOX");
  EXPECT_EQ(win(WindowId::Form14).focus, "Text2");
  EXPECT_EQ(p().FDIMx, 0);
  EXPECT_FALSE(win(WindowId::Form15).visible);
  EXPECT_TRUE(win(WindowId::Form14).enabled);
  EXPECT_FALSE(data().errore);
}

TEST_F(TorsionDataTest, LeavingABoxReformatsAndRestoresTheValueAtOpening)
{
  p().form14.Text[3].text = "0.6";
  openData(2);
  text14(1) = "12.346";
  EXPECT_TRUE(data().Text_LostFocus(1));
  EXPECT_EQ(text14(1), "12.35");
  text14(1) = "-3";
  EXPECT_FALSE(data().Text_LostFocus(1));
  text14(3) = "0";
  EXPECT_FALSE(data().Text_LostFocus(3));
  ASSERT_EQ(shown().size(), 2u);
  EXPECT_EQ(shown()[0].text, form14_texts::dimensionLeave);
  EXPECT_EQ(shown()[0].title, "VORN");
  EXPECT_EQ(shown()[1].text, form14_texts::thicknessLeave);
  EXPECT_EQ(text14(1), " 10");  // the value when the dialog opened
  EXPECT_EQ(text14(3), " .6");
  EXPECT_EQ(win(WindowId::Form14).focus, "Text3");
}

TEST_F(TorsionDataTest, KeyRingOfTheDialogRunsOverTheThreeBoxes)
{
  openData(1);
  data().Text_KeyDown(3, BoxKey::Enter);
  EXPECT_EQ(win(WindowId::Form14).focus, "Text1");
  data().Text_KeyDown(1, BoxKey::Up);
  EXPECT_EQ(win(WindowId::Form14).focus, "Text3");
  data().Text_KeyDown(2, BoxKey::Down);
  EXPECT_EQ(win(WindowId::Form14).focus, "Text3");
}

TEST_F(TorsionDataTest, PickerListsTheStoriesOverTheDialog)
{
  openData(3);
  data().Command1_Click();
  EXPECT_DOUBLE_EQ(p().FDIMx, 20);
  EXPECT_DOUBLE_EQ(p().FDIMy, 12);
  EXPECT_DOUBLE_EQ(p().FTHK, 0.8);
  EXPECT_TRUE(win(WindowId::Form15).visible);
  EXPECT_FALSE(win(WindowId::Form14).enabled);
  const ComboBox& list = p().form15.Combo1;
  ASSERT_EQ(list.items.size(), 3u);
  EXPECT_EQ(list.items[0], "طبقه 1");
  EXPECT_EQ(list.items[2], "طبقه 3");
  EXPECT_EQ(list.index, 0);
  EXPECT_TRUE(p().form16.Command[4].enabled);
}

TEST_F(TorsionDataTest, PickerCancelReturnsToTheDialogWithItsPosition)
{
  openData(3);
  data().Command1_Click();
  s->form15.Combo1_Click(2);
  s->form15.Command2_Click();
  EXPECT_FALSE(win(WindowId::Form15).visible);
  EXPECT_TRUE(win(WindowId::Form14).enabled);
  EXPECT_EQ(p().form15.Combo1.index, -1);  // the position before the picker opened
}

// ---- The per-story window ----------------------------------------------------------------------

TEST_F(TorsionDataTest, StoryOpenedForTheFirstTimeShowsTheMiddleOfThePlan)
{
  openData(3);
  openStory(2);
  EXPECT_FALSE(win(WindowId::Form15).visible);
  EXPECT_FALSE(win(WindowId::Form14).enabled);
  EXPECT_EQ(text16(1), " 2");
  const Typed expected = {" 10", " 6", " 10", " 6", " 20", " 12", "1", "1"};
  for (int k = 2; k <= 9; ++k) {
    EXPECT_EQ(text16(k), expected.at(static_cast<std::size_t>(k - 2))) << k;
  }
  EXPECT_TRUE(p().form16.Command[1].enabled);
  EXPECT_TRUE(p().form16.Command[2].enabled);
  EXPECT_EQ(win(WindowId::Form16).focus, "Text6");
}

TEST_F(TorsionDataTest, EnteredStoryShowsItsStoredValues)
{
  openData(3);
  p().CMSET[3] = true;
  p().CMx[3] = 7.25;
  p().Ajy[3] = 1.5;
  openStory(3);
  EXPECT_EQ(text16(2), " 7.25");
  EXPECT_EQ(text16(9), " 1.5");
  EXPECT_TRUE(p().form16.Command[1].enabled);
  EXPECT_FALSE(p().form16.Command[2].enabled);
}

TEST_F(TorsionDataTest, OneStoryDisablesTheMovesAndTheCopy)
{
  openData(1);
  openStory(1);
  EXPECT_FALSE(p().form16.Command[1].enabled);
  EXPECT_FALSE(p().form16.Command[2].enabled);
  EXPECT_FALSE(p().form16.Command[4].enabled);
}

TEST_F(TorsionDataTest, MovesKeepTheBoxesForAStoryNeverEntered)
{
  openData(3);
  openStory(1);
  type(kStory);
  stories().Command2_Click();
  EXPECT_EQ(text16(1), " 2");
  EXPECT_EQ(text16(2), "9");
  EXPECT_FALSE(p().CMSET[1]);  // moving does not store
  p().CMSET[3] = true;
  p().CMx[3] = 4;
  stories().Command2_Click();
  EXPECT_EQ(text16(1), " 3");
  EXPECT_EQ(text16(2), " 4");
  EXPECT_FALSE(p().form16.Command[2].enabled);
  stories().Command1_Click();
  stories().Command1_Click();
  EXPECT_EQ(text16(1), " 1");
  EXPECT_FALSE(p().form16.Command[1].enabled);
  EXPECT_TRUE(p().form16.Command[2].enabled);
}

TEST_F(TorsionDataTest, ApplyStoresTheShownStory)
{
  openData(3);
  openStory(2);
  type(kStory);
  stories().APPLY_Click();
  EXPECT_TRUE(shown().empty());
  EXPECT_TRUE(p().CMSET[2]);
  EXPECT_DOUBLE_EQ(p().CMx[2], 9);
  EXPECT_DOUBLE_EQ(p().CMy[2], 6.5);
  EXPECT_DOUBLE_EQ(p().CRx[2], 10.5);
  EXPECT_DOUBLE_EQ(p().CRy[2], 5.5);
  EXPECT_DOUBLE_EQ(p().DIMx[2], 18);
  EXPECT_DOUBLE_EQ(p().DIMy[2], 11);
  EXPECT_DOUBLE_EQ(p().Ajx[2], 1.5);
  EXPECT_DOUBLE_EQ(p().Ajy[2], 2);
  EXPECT_TRUE(win(WindowId::Form16).visible);
}

TEST_F(TorsionDataTest, ValidationComparesTheCentresWithThePlanOfTheDialog)
{
  struct Case {
    Typed values;
    const char* message;  // nullptr: accepted
    const char* focus;
  };
  const char* sizes = form16_texts::sizesPositive;
  const char* beyond = form16_texts::centresBeyondPlan;
  const Case cases[] = {
      // CMx equal to the plan's 20 m passes, and so does a zero centre.
      {{"20", "0", "10", "6", "20", "12", "1", "1"}, nullptr, ""},
      {{"0", "6", "10", "6", "20", "12", "1", "1"}, nullptr, ""},
      // A centre within the story's 25 m but beyond the plan's 20 m.
      {{"10", "6", "20.5", "6", "25", "12", "1", "1"}, beyond, "Text4"},
      {{"10", "6", "10", "6", "20", "12", "3", "1"}, nullptr, ""},
      {{"10", "6", "10", "6", "20", "12", "1", "3.01"}, beyond, "Text9"},
      {{"10", "6", "10", "6", "20", "12", ".99", "1"}, beyond, "Text8"},
      // A negative size gives only the first message, even with a centre beyond the plan.
      {{"30", "6", "10", "-1", "20", "12", "5", "1"}, sizes, "Text5"},
  };
  for (const Case& c : cases) {
    s = std::make_unique<Session>(prompter);
    openData(2);
    openStory(1);
    type(c.values);
    win(WindowId::Form16).focus.clear();
    stories().APPLY_Click();
    if (c.message == nullptr) {
      EXPECT_TRUE(shown().empty()) << c.values[0];
      EXPECT_TRUE(p().CMSET[1]);
    } else {
      ASSERT_EQ(shown().size(), 1u) << c.focus;
      EXPECT_EQ(shown()[0].text, c.message);
      EXPECT_EQ(shown()[0].title, "ERRORE BOX");
      EXPECT_EQ(win(WindowId::Form16).focus, c.focus);
      EXPECT_FALSE(p().CMSET[1]);
      EXPECT_EQ(p().CMx[1], 0);  // nothing stored
    }
    EXPECT_FALSE(stories().errore);
    prompter.clear();
  }
}

TEST_F(TorsionDataTest, LeavingABoxComparesWithTheStorysAverageDimension)
{
  openData(2);
  openStory(1);  // boxes " 10", " 6", " 10", " 6", " 20", " 12", "1", "1"
  struct Case {
    int box;
    const char* typed;
    bool accepted;
    const char* after;
  };
  const Case cases[] = {
      {2, "12.346", true, "12.35"},  // within Text6's 20 m
      {2, "0", false, " 10"},        // zero passes the validation but not the box
      {3, "12.5", false, " 6"},      // beyond Text7's 12 m
      {4, "20", true, "20."},       {5, "-1", false, " 6"}, {6, "0", false, " 20"},
      {7, "11", true, "11."},       {8, "3.5", false, "1"}, {9, "2.5", true, "2.5"},
  };
  for (const Case& c : cases) {
    text16(c.box) = c.typed;
    EXPECT_EQ(stories().Text_LostFocus(c.box), c.accepted) << c.box << " " << c.typed;
    EXPECT_EQ(text16(c.box), c.after) << c.box << " " << c.typed;
  }
  ASSERT_EQ(shown().size(), 5u);
  EXPECT_EQ(shown()[0].text, form16_texts::leaveMessages[0]);
  EXPECT_EQ(shown()[0].title, "VORN");
  EXPECT_EQ(shown()[1].text, form16_texts::leaveMessages[1]);
  EXPECT_EQ(shown()[2].text, form16_texts::leaveMessages[3]);
  EXPECT_EQ(shown()[3].text, form16_texts::leaveMessages[4]);
  EXPECT_EQ(shown()[4].text, form16_texts::factorLeave);
}

TEST_F(TorsionDataTest, KeyRingSkipsTheFactorsWhenTheyAreClosed)
{
  auto next = [this](int from, BoxKey key) {
    stories().Text_KeyDown(from, key);
    return win(WindowId::Form16).focus;
  };
  openData(2);
  openStory(1);
  EXPECT_EQ(next(1, BoxKey::Enter), "Text6");
  EXPECT_EQ(next(1, BoxKey::Up), "Text5");
  EXPECT_EQ(next(6, BoxKey::Down), "Text7");
  EXPECT_EQ(next(7, BoxKey::Enter), "Text2");
  EXPECT_EQ(next(5, BoxKey::Enter), "Text8");
  EXPECT_EQ(next(9, BoxKey::Enter), "Text6");
  EXPECT_EQ(next(6, BoxKey::Up), "Text9");

  s = std::make_unique<Session>(prompter);
  openData(2, true);
  openStory(1);
  EXPECT_EQ(next(5, BoxKey::Enter), "Text6");
  EXPECT_EQ(next(6, BoxKey::Up), "Text5");
}

TEST_F(TorsionDataTest, OkNamesTheLowestStoryStillMissing)
{
  openData(3);
  openStory(2);
  type(kStory);
  stories().OK_Click();
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text, missing16(1));
  EXPECT_EQ(shown()[0].title, "ERRORE BOX");
  EXPECT_TRUE(p().CMSET[2]);
  EXPECT_TRUE(win(WindowId::Form16).visible);

  p().CMSET[1] = true;
  p().CMSET[3] = true;
  stories().OK_Click();
  EXPECT_EQ(shown().size(), 1u);
  EXPECT_FALSE(win(WindowId::Form16).visible);
  EXPECT_TRUE(win(WindowId::Form14).visible);
  EXPECT_TRUE(win(WindowId::Form14).enabled);
}

TEST_F(TorsionDataTest, CopyToEveryStoryOpensTheRun)
{
  openData(4);
  openStory(3);
  type(kStory);
  stories().Command4_Click();
  for (int k = 1; k <= 4; ++k) {
    EXPECT_TRUE(p().CMSET[k]);
    EXPECT_DOUBLE_EQ(p().CRx[k], 10.5);
    EXPECT_DOUBLE_EQ(p().Ajy[k], 2);
  }
  EXPECT_FALSE(p().CMSET[5]);
  EXPECT_FALSE(win(WindowId::Form16).visible);
  EXPECT_TRUE(win(WindowId::Form14).enabled);
  EXPECT_TRUE(p().form1.Command[12].enabled);
}

TEST_F(TorsionDataTest, CancelAfterApplyKeepsTheValuesButNotTheEnteredMark)
{
  p().CMSET[1] = true;  // entered before the dialog opened
  openData(3);
  openStory(2);
  type(kStory);
  stories().APPLY_Click();
  ASSERT_TRUE(p().CMSET[2]);
  text16(2) = "3";  // typed after APPLY, never applied
  stories().CANCEL_Click();
  EXPECT_DOUBLE_EQ(p().CMx[2], 9);
  EXPECT_FALSE(p().CMSET[2]);
  EXPECT_TRUE(p().CMSET[1]);
  EXPECT_EQ(text16(2), " 10");  // the value shown when the picker opened the window
  EXPECT_EQ(text16(8), " 1");
  EXPECT_FALSE(win(WindowId::Form16).visible);
  EXPECT_TRUE(win(WindowId::Form14).enabled);
}

TEST_F(TorsionDataTest, PickByNumberGoesBackThroughThePicker)
{
  openData(3);
  openStory(1);
  stories().Command3_Click();
  EXPECT_FALSE(win(WindowId::Form16).visible);
  EXPECT_TRUE(win(WindowId::Form15).visible);
  s->form15.Combo1_Click(2);
  s->form15.Command1_Click();
  EXPECT_EQ(text16(1), " 3");
  EXPECT_TRUE(win(WindowId::Form16).visible);
}

TEST_F(TorsionDataTest, PickByNumberKeepsTheListAndItsCancelGoesBackToTheDialog)
{
  openData(3);
  openStory(2);
  stories().Command3_Click();
  ASSERT_TRUE(win(WindowId::Form15).visible);
  EXPECT_EQ(p().form15.Combo1.items.size(), 3u);
  EXPECT_EQ(p().form15.Combo1.index, 1) << "the position of the story shown";
  s->form15.Combo1_Click(2);
  s->form15.Command2_Click();
  EXPECT_EQ(p().form15.Combo1.index, 1) << "the position when the picker opened";
  EXPECT_FALSE(win(WindowId::Form15).visible);
  EXPECT_FALSE(win(WindowId::Form16).visible);
  EXPECT_TRUE(win(WindowId::Form14).visible);
  EXPECT_TRUE(win(WindowId::Form14).enabled);
}

// ---- Closing the dialog ------------------------------------------------------------------------

TEST_F(TorsionDataTest, OkWithAStoryMissingReportsIt)
{
  openData(4);
  for (int k : {1, 2, 4}) {
    p().CMSET[k] = true;
  }
  data().OK_Click();
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].text,
            std::string(form14_texts::storyMissingBefore) + " 3" + form14_texts::storyMissingAfter);
  EXPECT_EQ(shown()[0].title, "ERRORE BOX");
  EXPECT_TRUE(win(WindowId::Form14).visible);
  EXPECT_FALSE(p().form1.Command[11].enabled);
}

TEST_F(TorsionDataTest, OkOpensTheSummaryTheRunAndTheReportTable)
{
  openData(2);
  p().CMSET[1] = p().CMSET[2] = true;
  data().OK_Click();
  EXPECT_TRUE(shown().empty());
  EXPECT_FALSE(win(WindowId::Form14).visible);
  EXPECT_TRUE(win(WindowId::form1).enabled);
  EXPECT_TRUE(p().form1.Command[11].enabled);
  EXPECT_TRUE(p().form1.Command[12].enabled);
  EXPECT_TRUE(p().form27.Check[3].enabled);
  EXPECT_DOUBLE_EQ(p().FTHK, 0.8);
}

TEST_F(TorsionDataTest, CancelPutsBackWhatTheDialogOpenedWith)
{
  p().form14.Text[1].text = "15";
  openData(3);
  data().Option1_Click(1);
  openStory(1);
  type(kStory);
  stories().Command4_Click();  // every story stored, the run opened
  data().CANCEL_Click();
  EXPECT_EQ(text14(1), " 15");
  EXPECT_EQ(text14(3), " .6");
  EXPECT_TRUE(p().form14.Option1[0].value);
  EXPECT_FALSE(p().form14.Option1[1].value);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_FALSE(p().CMSET[k]);
    EXPECT_EQ(p().CMx[k], 0);
    EXPECT_EQ(p().DIMy[k], 0);
  }
  // The centres are gone again, so is the run they had opened.
  EXPECT_FALSE(p().form1.Command[12].enabled);
  EXPECT_TRUE(win(WindowId::form1).enabled);
  EXPECT_FALSE(win(WindowId::Form14).visible);
}

TEST_F(TorsionDataTest, CancelKeepsTheRunOpenWhenItWasBefore)
{
  p().form1.Command[12].enabled = true;
  openData(1);
  openStory(1);
  stories().Command4_Click();
  data().CANCEL_Click();
  EXPECT_TRUE(p().form1.Command[12].enabled);
}

}  // namespace
}  // namespace vorn
