#include "windows/structure/form10_stories.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/structure/form11_story_picker.h"
#include "windows/structure/form8_structure.h"

namespace vorn {
namespace {

// The boxes Text2 … Text11 of one story, as typed.
using Typed = std::array<const char*, 10>;
// The default texts of the boxes.
constexpr Typed kDefaults = {"100", "500", "200", "20", "40", "3", "25", "450", "0", "3"};

class StoryWindowTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(prompter.scriptUsedUp()); }

  Project& p() { return s->project; }
  Form10& f() { return s->form10; }
  Form10Controls& c() { return p().form10; }
  WindowState& win(WindowId id) { return p().window(id); }
  std::string& text(int k) { return c().Text[k].text; }

  // The structure dialog opened on an n-story building, then its first-entry button.
  void firstEntry(int n)
  {
    test::clickMainCommand(*s, 6);
    p().form8.Text[2].text = std::to_string(n);
    p().form8.Text[3].text = std::to_string(3 * n);
    s->form8.Command2_Click();
    ASSERT_TRUE(win(WindowId::Form10).visible);
  }
  void type(const Typed& values)
  {
    for (int k = 2; k <= 11; ++k) {
      text(k) = values.at(static_cast<std::size_t>(k - 2));
    }
  }
  // The ten fields of a story's record.
  std::array<double, 10> record(int k)
  {
    return {p().AR[k], p().DL[k],   p().LL[k], p().PERL[k], p().PW[k],
            p().HW[k], p().PERW[k], p().LW[k], p().LOD[k],  p().HS[k]};
  }
  std::string missing(int k)
  {
    return std::string(form8_texts::storyMissingBefore) + " " + std::to_string(k) +
           form8_texts::storyMissingAfter;
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(StoryWindowTest, FirstEntryEnablesTheButtonsByTheStoryCount)
{
  struct Case {
    int n;
    bool next, byNumber, copies, note;
  };
  const Case cases[] = {
      {1, false, false, false, true},
      {2, true, false, true, false},
      {3, true, true, true, false},
      {12, true, true, true, false},
  };
  for (const Case& k : cases) {
    s = std::make_unique<Session>(prompter);
    firstEntry(k.n);
    EXPECT_FALSE(win(WindowId::Form8).enabled);
    EXPECT_EQ(text(1), "1");
    EXPECT_FALSE(c().Command[1].enabled) << k.n;
    EXPECT_EQ(c().Command[2].enabled, k.next) << k.n;
    EXPECT_EQ(c().Command[3].enabled, k.byNumber) << k.n;
    EXPECT_EQ(c().Command[4].enabled, k.copies) << k.n;
    EXPECT_EQ(c().Command[5].enabled, k.copies) << k.n;
    EXPECT_EQ(c().Label2.visible, k.note) << k.n;
    ASSERT_EQ(c().Combo1.items.size(), static_cast<std::size_t>(k.n + 1));
    EXPECT_EQ(c().Combo1.items[0], "-");
    EXPECT_EQ(c().Combo1.items[1], " 1");
    EXPECT_EQ(c().Combo2.items, c().Combo1.items);
    EXPECT_EQ(c().Combo1.index, 0);
    EXPECT_EQ(c().Combo2.index, 0);
    EXPECT_FALSE(c().Text[1].enabled);
    EXPECT_EQ(text(2), "100");  // the boxes keep their texts
  }
}

TEST_F(StoryWindowTest, AWallAboveTheStoryHeightGivesOnlyThatMessage)
{
  firstEntry(2);
  type({"0", "-5", "200", "20", "40", "3.5", "25", "450", "0", "3"});
  f().APPLY_Click();
  ASSERT_EQ(prompter.shown().size(), 1u);
  EXPECT_EQ(prompter.shown()[0].text, form10_texts::wallAboveStory);
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  EXPECT_EQ(text(7), " 3");  // the story height
  EXPECT_EQ(win(WindowId::Form10).focus, "Text7");
  EXPECT_FALSE(f().errore);
  EXPECT_FALSE(p().STORYSET[1]);
}

TEST_F(StoryWindowTest, SeveralInvalidBoxesSpeakInTableOrderAndTheFocusEndsOnTheLast)
{
  firstEntry(2);
  type({"0", "-1", "200", "101", "-2", "1", "-3", "450", "-4", "3"});
  f().OK_Click();
  const auto& m = form10_texts::checkErrors;
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{m[1], m[2], m[4], m[5], m[7], m[9]}));
  for (const auto& shown : prompter.shown()) {
    EXPECT_EQ(shown.title, "ERRORE BOX");
  }
  EXPECT_EQ(win(WindowId::Form10).focus, "Text10");
  EXPECT_TRUE(win(WindowId::Form10).visible);
  EXPECT_FALSE(p().STORYSET[1]);
  // The values were written before the checks ran.
  EXPECT_EQ(p().DL[1], -1);
  EXPECT_EQ(p().LOD[1], -4);
}

TEST_F(StoryWindowTest, ValidationAcceptsZeroLoadsAndTheBoundsOfThePercentages)
{
  firstEntry(1);
  type({".5", "0", "0", "100", "0", "0", "0", "0", "0", ".01"});
  f().APPLY_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(p().STORYSET[1]);
  EXPECT_EQ(record(1), (std::array<double, 10>{0.5, 0, 0, 100, 0, 0, 0, 0, 0, 0.01}));
}

TEST_F(StoryWindowTest, ApplyStoresTheStoryAndAFailedApplyClearsItsRecord)
{
  firstEntry(3);
  type({"120.5", "550", "250", "20", "48", "2.8", "30", "400", "1500", "3.2"});
  f().APPLY_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(p().STORYSET[1]);
  EXPECT_EQ(record(1), (std::array<double, 10>{120.5, 550, 250, 20, 48, 2.8, 30, 400, 1500, 3.2}));
  EXPECT_TRUE(win(WindowId::Form10).visible);

  text(2) = "-1";
  f().APPLY_Click();
  EXPECT_EQ(prompter.shown().size(), 1u);
  EXPECT_FALSE(f().errore);
  EXPECT_EQ(record(1), (std::array<double, 10>{}));
  EXPECT_TRUE(p().STORYSET[1]);  // the flag stays as it was
}

TEST_F(StoryWindowTest, OkWithStoriesThreeAndFiveMissingNamesBothAndShowsTheLast)
{
  firstEntry(5);
  f().APPLY_Click();  // story 1
  f().Command2_Click();
  f().APPLY_Click();  // story 2
  f().Command2_Click();
  f().Command2_Click();  // story 4, story 3 skipped
  f().OK_Click();
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{missing(3), missing(5)}));
  EXPECT_EQ(prompter.shown()[0].title, "ERRORE BOX");
  EXPECT_EQ(text(1), " 5");
  EXPECT_TRUE(p().STORYSET[4]);
  EXPECT_TRUE(win(WindowId::Form10).visible);
  EXPECT_FALSE(c().Command[2].enabled);  // next follows the shown story
  EXPECT_TRUE(c().Label2.visible);
}

TEST_F(StoryWindowTest, OkWithEveryStoryEnteredReturnsToTheStructureDialog)
{
  firstEntry(2);
  f().APPLY_Click();
  f().Command2_Click();
  f().OK_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(win(WindowId::Form10).visible);
  EXPECT_TRUE(win(WindowId::Form8).enabled);
  EXPECT_TRUE(win(WindowId::Form8).visible);
  EXPECT_FALSE(p().form8.Command[2].enabled);
  EXPECT_TRUE(p().form8.Command[3].enabled);
}

TEST_F(StoryWindowTest, AllButTheRoofOnANewFourStoryProjectLeadsToTheRoof)
{
  firstEntry(4);
  const Typed typed = {"150", "600", "200", "20", "50", "3", "25", "450", "0", "3.2"};
  const std::array<double, 10> values = {150, 600, 200, 20, 50, 3, 25, 450, 0, 3.2};
  type(typed);
  f().Command5_Click();
  EXPECT_TRUE(prompter.shown().empty());
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(p().STORYSET[k]) << k;
    EXPECT_EQ(record(k), values) << k;
  }
  EXPECT_FALSE(p().STORYSET[4]);
  EXPECT_TRUE(win(WindowId::Form10).visible);
  EXPECT_EQ(text(1), " 4");
  EXPECT_EQ(text(2), "150");
  EXPECT_EQ(text(11), "3.2");
  EXPECT_TRUE(c().Label2.visible);
  EXPECT_FALSE(c().Command[2].enabled);
  EXPECT_TRUE(c().Command[1].enabled);

  // Pressing it again copies once more and shows the roof again: it is still not entered.
  text(3) = "650";
  f().Command5_Click();
  EXPECT_EQ(p().DL[2], 650);
  EXPECT_FALSE(p().STORYSET[4]);
  EXPECT_EQ(text(1), " 4");
  EXPECT_TRUE(win(WindowId::Form10).visible);

  // OK on the roof closes the window.
  f().OK_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_TRUE(p().STORYSET[4]);
  EXPECT_FALSE(win(WindowId::Form10).visible);
  EXPECT_TRUE(win(WindowId::Form8).enabled);
}

TEST_F(StoryWindowTest, AllButTheRoofClosesWhenTheRoofIsAlreadyEntered)
{
  firstEntry(3);
  f().Command2_Click();
  f().Command2_Click();
  f().APPLY_Click();  // the roof
  f().Command1_Click();
  f().Command5_Click();
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_FALSE(win(WindowId::Form10).visible);
}

TEST_F(StoryWindowTest, AllStoriesAlikeCopiesIntoEveryStoryAndCloses)
{
  firstEntry(3);
  type({"80", "500", "200", "20", "40", "3", "25", "450", "0", "3"});
  f().Command4_Click();
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(p().STORYSET[k]);
    EXPECT_EQ(p().AR[k], 80);
  }
  EXPECT_FALSE(p().STORYSET[4]);
  EXPECT_EQ(p().AR[4], 0);
  EXPECT_FALSE(win(WindowId::Form10).visible);
  EXPECT_TRUE(p().form8.Command[3].enabled);
}

TEST_F(StoryWindowTest, CopyButtonsDoNothingWhenValidationFails)
{
  firstEntry(3);
  text(11) = "0";
  f().Command4_Click();
  f().Command5_Click();
  EXPECT_EQ(prompter.shown().size(), 2u);
  EXPECT_FALSE(f().errore);
  EXPECT_FALSE(p().STORYSET[2]);
  EXPECT_TRUE(win(WindowId::Form10).visible);
}

TEST_F(StoryWindowTest, NavigationDoesNotStoreAndKeepsValuesAsStartingValues)
{
  firstEntry(3);
  type({"90", "500", "200", "20", "40", "3", "25", "450", "0", "3"});
  f().Command2_Click();
  EXPECT_EQ(text(1), " 2");
  EXPECT_EQ(c().i, 2);
  EXPECT_FALSE(p().STORYSET[1]);
  EXPECT_EQ(p().AR[1], 0);
  EXPECT_EQ(text(2), "90");  // story 2 was never entered: the values stay
  EXPECT_TRUE(c().Command[1].enabled);
  EXPECT_TRUE(c().Command[2].enabled);
  EXPECT_TRUE(p().form8.Command[3].enabled);
  f().Command2_Click();
  EXPECT_FALSE(c().Command[2].enabled);
  EXPECT_TRUE(c().Label2.visible);
  f().Command1_Click();
  EXPECT_FALSE(c().Label2.visible);
}

TEST_F(StoryWindowTest, MovingToAnEnteredStoryShowsItsRecord)
{
  firstEntry(2);
  type({"75.5", "520", "150", "20", "30", ".5", "40", "300", "0", "2.75"});
  f().APPLY_Click();
  f().Command2_Click();
  type(kDefaults);
  f().Command1_Click();
  EXPECT_EQ(text(1), " 1");
  EXPECT_EQ(text(2), " 75.5");
  EXPECT_EQ(text(7), " .5");
  EXPECT_EQ(text(11), " 2.75");
}

TEST_F(StoryWindowTest, SameAsAStoryCopiesItAndLocksTheBoxes)
{
  firstEntry(3);
  type({"75", "520", "150", "20", "30", "2", "40", "300", "10", "2.75"});
  f().APPLY_Click();
  f().Command2_Click();
  type(kDefaults);

  f().Combo1_Click(3);  // story 3 is not entered
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{form10_texts::storyNotEntered});
  EXPECT_EQ(prompter.shown()[0].title, "VORN");
  EXPECT_EQ(c().Combo1.index, 0);
  EXPECT_EQ(text(2), "100");

  f().Combo1_Click(1);
  EXPECT_EQ(text(2), " 75");
  EXPECT_EQ(text(10), " 10");
  for (int k = 2; k <= 11; ++k) {
    EXPECT_FALSE(c().Text[k].enabled) << k;
  }
  EXPECT_FALSE(c().Combo2.enabled);
  f().APPLY_Click();
  EXPECT_TRUE(p().STORYSET[2]);
  EXPECT_EQ(record(2), record(1));

  f().Combo1_Click(0);
  for (int k = 2; k <= 11; ++k) {
    EXPECT_TRUE(c().Text[k].enabled) << k;
  }
  EXPECT_TRUE(c().Combo2.enabled);
}

TEST_F(StoryWindowTest, MovingOnUnlocksTheBoxesThatACopyLocked)
{
  firstEntry(3);
  f().APPLY_Click();
  f().Command2_Click();
  f().Combo1_Click(1);
  ASSERT_FALSE(c().Text[2].enabled);
  f().Command2_Click();
  EXPECT_EQ(c().Combo1.index, 0);
  EXPECT_TRUE(c().Text[2].enabled);
  EXPECT_TRUE(c().Combo2.enabled);
}

TEST_F(StoryWindowTest, StartFromAStoryCopiesItAndLeavesTheBoxesEditable)
{
  firstEntry(2);
  type({"75", "520", "150", "20", "30", "2", "40", "300", "10", "2.75"});
  f().APPLY_Click();
  f().Command2_Click();
  type(kDefaults);
  f().Combo2_Click(2);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{form10_texts::storyNotEntered});
  EXPECT_EQ(c().Combo2.index, 0);
  f().Combo2_Click(1);
  EXPECT_EQ(text(3), " 520");
  EXPECT_TRUE(c().Text[3].enabled);
  EXPECT_EQ(c().Combo2.index, 1);
}

TEST_F(StoryWindowTest, LeavingABoxReformatsItAndARefusalRestoresTheStoredOrDefaultText)
{
  firstEntry(2);
  text(2) = "12.346";
  EXPECT_TRUE(f().Text_LostFocus(2));
  EXPECT_EQ(text(2), "12.35");
  text(10) = "0";
  EXPECT_TRUE(f().Text_LostFocus(10));
  EXPECT_EQ(text(10), ".");
  text(5) = "33.33";
  EXPECT_TRUE(f().Text_LostFocus(5));
  EXPECT_EQ(text(5), "33.3");

  // Story 1 is not entered: the default text comes back.
  text(3) = "0";  // dead load must be above zero on leaving the box
  EXPECT_FALSE(f().Text_LostFocus(3));
  EXPECT_EQ(text(3), "500");
  text(7) = "100.1";
  EXPECT_FALSE(f().Text_LostFocus(7));
  EXPECT_EQ(text(7), "3");
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{form10_texts::leaveMessages[1],
                                                        form10_texts::leaveMessages[5]}));
  EXPECT_EQ(win(WindowId::Form10).focus, "Text7");

  // Once entered, the stored value comes back, written in the number form of the program.
  type({"12.35", "480", "200", "20", "40", "2.5", "25", "450", "0", "3"});
  f().APPLY_Click();
  text(3) = "-1";
  EXPECT_FALSE(f().Text_LostFocus(3));
  EXPECT_EQ(text(3), " 480");
  text(2) = "";
  EXPECT_FALSE(f().Text_LostFocus(2));
  EXPECT_EQ(text(2), " 12.35");
}

// ---- The story picker ----------------------------------------------------------------------

TEST_F(StoryWindowTest, EditingOpensThePickerOverTheStructureDialog)
{
  firstEntry(4);
  f().Command4_Click();  // every story entered
  test::clickMainCommand(*s, 6);
  s->form8.Command3_Click();
  EXPECT_TRUE(win(WindowId::Form11).visible);
  EXPECT_FALSE(win(WindowId::Form8).enabled);
  EXPECT_FALSE(win(WindowId::Form10).visible);
  EXPECT_EQ(p().form11.Combo1.items, (std::vector<std::string>{" 1", " 2", " 3", " 4"}));
  EXPECT_EQ(p().form11.Combo1.index, 0);
  EXPECT_TRUE(c().Command[4].enabled);
  EXPECT_TRUE(c().Command[5].enabled);

  s->form11.CANCEL_Click();
  EXPECT_FALSE(win(WindowId::Form11).visible);
  EXPECT_TRUE(win(WindowId::Form8).enabled);
  EXPECT_TRUE(win(WindowId::Form8).visible);
}

TEST_F(StoryWindowTest, ThePickedStoryIsShownWithItsRecordAndItsButtons)
{
  firstEntry(4);
  type({"60", "500", "200", "20", "40", "3", "25", "450", "0", "3"});
  f().Command5_Click();
  type({"30", "300", "150", "20", "20", "1", "25", "450", "0", "2.5"});
  f().OK_Click();  // the roof
  ASSERT_FALSE(win(WindowId::Form10).visible);

  test::clickMainCommand(*s, 6);
  s->form8.Command3_Click();
  s->form11.Combo1_Click(3);  // story 4
  s->form11.OK_Click();
  EXPECT_FALSE(win(WindowId::Form11).visible);
  EXPECT_TRUE(win(WindowId::Form10).visible);
  EXPECT_TRUE(win(WindowId::Form10).enabled);
  EXPECT_FALSE(win(WindowId::Form8).enabled);
  EXPECT_EQ(text(1), " 4");
  EXPECT_EQ(text(2), " 30");
  EXPECT_EQ(text(11), " 2.5");
  EXPECT_TRUE(c().Command[1].enabled);
  EXPECT_FALSE(c().Command[2].enabled);
  EXPECT_TRUE(c().Command[3].enabled);
  EXPECT_TRUE(c().Label2.visible);
  EXPECT_EQ(c().Combo1.items.size(), 5u);

  // By number, from the story window: story 1.
  f().Command3_Click();
  EXPECT_FALSE(win(WindowId::Form10).enabled);
  s->form11.Combo1_Click(0);
  s->form11.OK_Click();
  EXPECT_EQ(text(1), " 1");
  EXPECT_EQ(text(2), " 60");
  EXPECT_FALSE(c().Command[1].enabled);
  EXPECT_TRUE(c().Command[2].enabled);
  EXPECT_FALSE(c().Label2.visible);
}

TEST_F(StoryWindowTest, CancellingThePickerOpenedFromTheStoryWindowReturnsThere)
{
  firstEntry(3);
  f().Command3_Click();
  s->form11.CANCEL_Click();
  EXPECT_TRUE(win(WindowId::Form10).visible);
  EXPECT_TRUE(win(WindowId::Form10).enabled);
  EXPECT_FALSE(win(WindowId::Form8).enabled);  // the story window is still open over it
}

TEST_F(StoryWindowTest, PickingAStoryDoesNotCountTheStoryLeftAsEntered)
{
  firstEntry(3);
  text(2) = "0";
  f().APPLY_Click();  // refused: story 1 stays unentered with a cleared record
  prompter.clear();
  f().Command3_Click();
  s->form11.Combo1_Click(1);
  s->form11.OK_Click();
  EXPECT_FALSE(p().STORYSET[1]);
  EXPECT_EQ(text(1), " 2");
}

}  // namespace
}  // namespace vorn
