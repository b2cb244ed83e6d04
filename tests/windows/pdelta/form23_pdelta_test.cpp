#include "windows/pdelta/form23_pdelta.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/pdelta/form25_story_picker.h"

namespace vorn {
namespace {

namespace t23 = form23_texts;

class PDeltaDialog : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  // The static run is done for a building of n stories; the main window's P-Delta button opens
  // the dialog.
  void open(int n, bool regular = true)
  {
    p().N = n;
    p().form8.Check[3].value = regular ? 1 : 0;
    test::lockInputsAfterRun(*s);
    test::clickMainCommand(*s, 16);
  }
  // Types the four drifts (cm) into the boxes.
  void type(const char* x, const char* y, const char* maxX = "1.5", const char* maxY = "1.5")
  {
    box(2) = x;
    box(3) = y;
    box(4) = maxX;
    box(5) = maxY;
  }
  void enter(int story, double x, double y, double maxX, double maxY)
  {
    p().DRIFTx[story] = x;
    p().DRIFTy[story] = y;
    p().DRIFTMAXx[story] = maxX;
    p().DRIFTMAXy[story] = maxY;
    p().DRIFTSET[story] = true;
  }
  std::string& box(int k) { return p().form23.Text[k].text; }
  bool enabled(int command) { return p().form23.Command[command].enabled; }
  std::string& focus() { return p().window(WindowId::Form23).focus; }

  Project& p() { return s->project; }
  Form23& f() { return s->form23; }
  bool shown(WindowId id) { return p().window(id).visible; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

// ---- Opening -------------------------------------------------------------------------------

TEST_F(PDeltaDialog, OneStoryOpensWithEveryNavigationAndCopyButtonDisabled)
{
  open(1);
  EXPECT_TRUE(shown(WindowId::Form23));
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_EQ(box(1), "1");
  for (int k : {1, 2, 3, 5}) {
    EXPECT_FALSE(enabled(k)) << "Command" << k;
  }
  EXPECT_FALSE(enabled(4)) << "story 1 has no drifts yet";
}

TEST_F(PDeltaDialog, SeveralStoriesOpenWithNextPickAndCopyAndWithoutPrevious)
{
  open(4);
  EXPECT_FALSE(enabled(1));
  EXPECT_TRUE(enabled(2));
  EXPECT_TRUE(enabled(3));
  EXPECT_TRUE(enabled(5));
  EXPECT_FALSE(p().form23.Text[1].enabled) << "the story number is never typed";
}

TEST_F(PDeltaDialog, OpeningShowsStoryOnesDriftsInCentimetres)
{
  enter(1, 0.0123, 0.02, 0.015, 0.025);
  open(2, false);
  EXPECT_EQ(box(2), " 1.23");
  EXPECT_EQ(box(3), " 2");
  EXPECT_EQ(box(4), " 1.5");
  EXPECT_EQ(box(5), " 2.5");
}

TEST_F(PDeltaDialog, OpeningWithoutStoryOneDriftsResetsOnlyTheAverages)
{
  type("2", "3", "4", "5");
  open(2, false);
  EXPECT_EQ(box(2), "1.5");
  EXPECT_EQ(box(3), "1.5");
  EXPECT_EQ(box(4), "4");
  EXPECT_EQ(box(5), "5");
}

TEST_F(PDeltaDialog, MaximumBoxesFollowTheRegularityOfTheBuilding)
{
  open(2, true);
  EXPECT_FALSE(p().form23.Text[4].enabled);
  EXPECT_FALSE(p().form23.Text[5].enabled);
  f().CANCEL_Click();
  open(2, false);
  EXPECT_TRUE(p().form23.Text[4].enabled);
  EXPECT_TRUE(p().form23.Text[5].enabled);
}

TEST_F(PDeltaDialog, ResultsButtonNeedsTheDriftsOfEveryStoryUpToN)
{
  enter(1, 0.01, 0.01, 0.01, 0.01);
  enter(2, 0.01, 0.01, 0.01, 0.01);
  open(3);
  EXPECT_FALSE(enabled(4));
  f().CANCEL_Click();
  open(2);  // story 3 is beyond N now
  EXPECT_TRUE(enabled(4));
}

// ---- Navigation ----------------------------------------------------------------------------

TEST_F(PDeltaDialog, NextAndPreviousShowEnteredDriftsAndKeepTypedOnesElsewhere)
{
  enter(2, 0.021, 0.022, 0.023, 0.024);
  open(3, false);
  type("1.1", "1.2", "1.3", "1.4");
  f().Command2_Click();
  EXPECT_EQ(box(1), " 2");
  EXPECT_EQ(box(2), " 2.1");
  EXPECT_EQ(box(5), " 2.4");
  EXPECT_TRUE(enabled(1));
  EXPECT_TRUE(enabled(2));
  type("3.1", "3.2", "3.3", "3.4");
  f().Command2_Click();  // story 3 has no drifts: the boxes keep what they show
  EXPECT_EQ(box(1), " 3");
  EXPECT_EQ(box(2), "3.1");
  EXPECT_FALSE(enabled(2));
  f().Command1_Click();
  f().Command1_Click();
  EXPECT_EQ(box(1), " 1");
  EXPECT_FALSE(enabled(1));
  // Moving never stored a story.
  EXPECT_FALSE(p().DRIFTSET[1]);
  EXPECT_FALSE(p().DRIFTSET[3]);
  EXPECT_DOUBLE_EQ(p().DRIFTx[2], 0.021);
}

// ---- APPLY, validation ---------------------------------------------------------------------

TEST_F(PDeltaDialog, ApplyStoresCentimetresAsMetresEvenFromDisabledMaximumBoxes)
{
  open(2, true);
  type("2.5", "1.75", "3", "4");
  f().APPLY_Click();
  EXPECT_TRUE(p().DRIFTSET[1]);
  EXPECT_DOUBLE_EQ(p().DRIFTx[1], 0.025);
  EXPECT_DOUBLE_EQ(p().DRIFTy[1], 0.0175);
  EXPECT_DOUBLE_EQ(p().DRIFTMAXx[1], 0.03);
  EXPECT_DOUBLE_EQ(p().DRIFTMAXy[1], 0.04);
  EXPECT_FALSE(enabled(4));
  EXPECT_TRUE(shown(WindowId::Form23));

  f().Command2_Click();
  type("abc", ".", "3", "4");  // no number reads as 0
  f().APPLY_Click();
  EXPECT_TRUE(p().DRIFTSET[2]);
  EXPECT_EQ(p().DRIFTx[2], 0);
  EXPECT_EQ(p().DRIFTy[2], 0);
  EXPECT_TRUE(enabled(4)) << "every story has its drifts now";
  EXPECT_TRUE(prompter.shown().empty());
}

struct Refusal {
  bool regular;
  const char* x;
  const char* y;
  const char* maxX;
  const char* maxY;
  std::vector<std::string> titles;
  const char* focus;
};

TEST_F(PDeltaDialog, RefusedDriftsShowTheirMessagesAndStoreNothing)
{
  const Refusal cases[] = {
      {true, "-1", "1", "1", "1", {"errore box"}, "Text2"},
      {true, "1", "-0.5", "1", "1", {"errore box"}, "Text3"},
      // the maximum below the average: x first, and y only once x passed
      {false, "2", "2", "1.9", "1", {"VORN"}, "Text2"},
      {false, "2", "2", "2", "1.99", {"VORN"}, "Text3"},
      // a negative average below its maximum, and the maximum below the other average
      {false, "-1", "2", "1", "1", {"errore box", "VORN"}, "Text3"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " " << c.y << " " << c.maxX << " " << c.maxY);
    open(3, c.regular);
    prompter.clear();
    type(c.x, c.y, c.maxX, c.maxY);
    f().APPLY_Click();
    std::vector<std::string> titles;
    for (const auto& m : prompter.shown()) {
      titles.push_back(m.title);
      EXPECT_EQ(m.text, m.title == "VORN" ? t23::maximumBelowAverage : t23::negativeAverage);
    }
    EXPECT_EQ(titles, c.titles);
    EXPECT_EQ(focus(), c.focus);
    EXPECT_FALSE(p().DRIFTSET[1]);
    EXPECT_EQ(p().DRIFTx[1], 0);
    EXPECT_FALSE(f().errore) << "the caller clears the flag";
    f().CANCEL_Click();
  }
}

TEST_F(PDeltaDialog, RegularBuildingDoesNotCompareTheDisabledMaximums)
{
  open(1, true);
  type("2", "2", "0", "0");
  f().APPLY_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(p().DRIFTSET[1]);
}

// ---- OK, all alike, CANCEL -----------------------------------------------------------------

TEST_F(PDeltaDialog, OkReportsTheLowestMissingStoryAndShowsIt)
{
  open(5);
  for (int story : {1, 3, 4}) {
    f().showPickedStory(story);
    f().APPLY_Click();
  }
  f().OK_Click();  // stores story 4 again; stories 2 and 5 are missing
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text,
            std::string(t23::storyMissingBefore) + " 2" + t23::storyMissingAfter);
  EXPECT_EQ(prompter.shown()[0].title, "ERRORE BOX");
  EXPECT_EQ(box(1), " 2");
  EXPECT_TRUE(enabled(1));
  EXPECT_TRUE(enabled(2));
  EXPECT_TRUE(shown(WindowId::Form23));
  EXPECT_FALSE(p().PDELTASET);
  EXPECT_FALSE(p().form27.Check[4].enabled);
}

TEST_F(PDeltaDialog, OkOnTheLastMissingStoryClosesAndConfirmsTheDrifts)
{
  open(2);
  f().APPLY_Click();
  f().Command2_Click();
  type("1", "1");
  f().OK_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(shown(WindowId::Form23));
  EXPECT_TRUE(shown(WindowId::form1));
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().PDELTASET);
  EXPECT_TRUE(p().form27.Check[4].enabled);
  EXPECT_TRUE(enabled(4));
  EXPECT_DOUBLE_EQ(p().DRIFTx[2], 0.01);
}

TEST_F(PDeltaDialog, AllAlikeGivesEveryStoryTheShownDriftsAndCloses)
{
  enter(4, 0.5, 0.5, 0.5, 0.5);  // beyond N: left alone
  open(3, false);
  type("1.2", "1.4", "1.6", "1.8");
  f().Command5_Click();
  for (int story = 1; story <= 3; ++story) {
    EXPECT_TRUE(p().DRIFTSET[story]);
    EXPECT_DOUBLE_EQ(p().DRIFTx[story], 0.012);
    EXPECT_DOUBLE_EQ(p().DRIFTy[story], 0.014);
    EXPECT_DOUBLE_EQ(p().DRIFTMAXx[story], 0.016);
    EXPECT_DOUBLE_EQ(p().DRIFTMAXy[story], 0.018);
  }
  EXPECT_EQ(p().DRIFTx[4], 0.5);
  EXPECT_FALSE(shown(WindowId::Form23));
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().PDELTASET);
  EXPECT_TRUE(p().form27.Check[4].enabled);
  EXPECT_TRUE(enabled(4));
}

TEST_F(PDeltaDialog, AllAlikeWithARefusedValueCopiesNothingAndStaysOpen)
{
  open(3);
  type("-2", "1");
  f().Command5_Click();
  EXPECT_EQ(prompter.shown().size(), 1u);
  for (int story = 1; story <= 3; ++story) {
    EXPECT_FALSE(p().DRIFTSET[story]);
  }
  EXPECT_TRUE(shown(WindowId::Form23));
  EXPECT_FALSE(p().PDELTASET);
}

TEST_F(PDeltaDialog, CancelAfterSeveralAppliesRestoresTheStateAtOpening)
{
  enter(2, 0.02, 0.02, 0.02, 0.02);
  type("1.25", "2", "3", "4");
  p().form23.Text[1].text = "1";
  open(3, false);
  f().APPLY_Click();
  f().Command2_Click();
  type("9", "9", "9", "9");
  f().APPLY_Click();
  f().Command2_Click();
  f().APPLY_Click();
  f().CANCEL_Click();

  EXPECT_FALSE(p().DRIFTSET[1]);
  EXPECT_EQ(p().DRIFTx[1], 0);
  EXPECT_TRUE(p().DRIFTSET[2]);
  EXPECT_DOUBLE_EQ(p().DRIFTx[2], 0.02);
  EXPECT_DOUBLE_EQ(p().DRIFTMAXy[2], 0.02);
  EXPECT_FALSE(p().DRIFTSET[3]);
  // The boxes get the values they held before opening, as numbers with their leading blank.
  EXPECT_EQ(box(1), " 1");
  EXPECT_EQ(box(2), " 1.25");
  EXPECT_EQ(box(3), " 2");
  EXPECT_EQ(box(4), " 3");
  EXPECT_EQ(box(5), " 4");
  EXPECT_FALSE(shown(WindowId::Form23));
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_FALSE(p().PDELTASET);
}

// ---- Leaving a box, keys -------------------------------------------------------------------

TEST_F(PDeltaDialog, LeavingABoxReformatsItAndANegativeValueStaysForTheValidation)
{
  open(2, false);
  box(2) = "1.234";
  EXPECT_TRUE(f().Text_LostFocus(2));
  EXPECT_EQ(box(2), "1.23");
  box(3) = "0";
  EXPECT_TRUE(f().Text_LostFocus(3));
  EXPECT_EQ(box(3), ".");
  box(4) = "12.5";
  EXPECT_TRUE(f().Text_LostFocus(4));
  EXPECT_EQ(box(4), "12.5");
  EXPECT_TRUE(prompter.shown().empty());

  box(5) = "-0.456";
  EXPECT_FALSE(f().Text_LostFocus(5));
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, t23::negativeLeave);
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  EXPECT_EQ(box(5), "-.46");
  EXPECT_EQ(focus(), "Text5");
}

TEST_F(PDeltaDialog, KeysMoveAroundTheEnabledDriftBoxes)
{
  struct Move {
    int from;
    BoxKey key;
    const char* to;
  };
  open(2, false);
  for (const Move& m : {Move{2, BoxKey::Enter, "Text3"}, Move{3, BoxKey::Down, "Text4"},
                        Move{5, BoxKey::Enter, "Text2"}, Move{2, BoxKey::Up, "Text5"},
                        Move{4, BoxKey::Up, "Text3"}}) {
    focus().clear();
    f().Text_KeyDown(m.from, m.key);
    EXPECT_EQ(focus(), m.to) << "from Text" << m.from;
  }
  f().CANCEL_Click();
  open(2, true);
  for (const Move& m : {Move{2, BoxKey::Down, "Text3"}, Move{3, BoxKey::Enter, "Text2"},
                        Move{2, BoxKey::Up, "Text3"}}) {
    focus().clear();
    f().Text_KeyDown(m.from, m.key);
    EXPECT_EQ(focus(), m.to) << "from Text" << m.from;
  }
}

// ---- Picking a story by number -------------------------------------------------------------

TEST_F(PDeltaDialog, PickerListsTheStoriesInTheDialogsPlace)
{
  open(3);
  f().Command3_Click();
  EXPECT_TRUE(shown(WindowId::Form25));
  EXPECT_FALSE(shown(WindowId::Form23));
  const std::vector<std::string> items = {"طبقه 1", "طبقه 2", "طبقه 3"};
  EXPECT_EQ(p().form25.Combo1.items, items);
  EXPECT_EQ(p().form25.Combo1.index, 0);
}

TEST_F(PDeltaDialog, PickerOkShowsTheChosenStoryWithItsDrifts)
{
  enter(3, 0.031, 0.032, 0.033, 0.034);
  open(3, false);
  f().Command3_Click();
  s->form25.Combo1_Click(2);
  s->form25.OK_Click();
  EXPECT_TRUE(shown(WindowId::Form23));
  EXPECT_FALSE(shown(WindowId::Form25));
  EXPECT_EQ(box(1), " 3");
  EXPECT_EQ(box(2), " 3.1");
  EXPECT_EQ(box(5), " 3.4");
  EXPECT_TRUE(enabled(1));
  EXPECT_FALSE(enabled(2));
}

TEST_F(PDeltaDialog, PickerCancelRestoresItsPositionAndTheShownStory)
{
  open(4);
  f().Command3_Click();
  s->form25.Combo1_Click(2);
  s->form25.OK_Click();
  f().Command3_Click();
  EXPECT_EQ(p().form25.Combo1.index, 0);
  s->form25.Combo1_Click(3);
  s->form25.CANCEL_Click();
  EXPECT_EQ(p().form25.Combo1.index, 2) << "the position when the picker opened";
  EXPECT_TRUE(shown(WindowId::Form23));
  EXPECT_FALSE(shown(WindowId::Form25));
  EXPECT_EQ(box(1), " 3");
}

TEST_F(PDeltaDialog, PickerCancelChoosesNothingWhenItsPositionIsBeyondAShorterList)
{
  open(4);
  f().Command3_Click();
  s->form25.Combo1_Click(3);
  s->form25.OK_Click();  // story 4
  f().CANCEL_Click();
  open(2);
  f().Command3_Click();
  ASSERT_EQ(p().form25.Combo1.items.size(), 2u);
  s->form25.Combo1_Click(1);
  s->form25.CANCEL_Click();
  EXPECT_EQ(p().form25.Combo1.index, -1) << "the position of story 4, no longer listed";
  EXPECT_TRUE(shown(WindowId::Form23));
  EXPECT_FALSE(shown(WindowId::Form25));
}

}  // namespace
}  // namespace vorn
