#include "windows/common/numeric_boxes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "scripted_prompter.h"

namespace vorn {
namespace {

// A dialog of four boxes, Text2 … Text5 of the P-Delta window's state, declared as a dialog
// would declare them: the ring is 2 → 3 → 4 → 5 → 2.
class NumericBoxesTest : public ::testing::Test {
protected:
  NumericBoxesTest()
  {
    boxes.add(2, "##.##", above(0), "two must be above zero", fixedText("7"))
        .add(3, "##.#", within(0, 100), "three must lie in 0..100", [this] { return restore3; })
        .add(4, "##", atLeast(0), "four must not be negative", fixedText("4"))
        .add(5, "#.##", above(1), "five must be above one", fixedText("1.5"));
  }

  TextBox& text(int k) { return project->form23.Text[k]; }
  std::string& focus() { return project->window(WindowId::Form23).focus; }

  std::unique_ptr<Project> project = std::make_unique<Project>();
  test::ScriptedPrompter prompter;
  std::string restore3 = "25";
  NumericBoxes boxes{*project, prompter, WindowId::Form23,
                     [this](int k) -> TextBox& { return project->form23.Text[k]; }};
};

TEST_F(NumericBoxesTest, LeavingABoxReformatsAnAcceptedValueWithItsPicture)
{
  struct Case {
    int box;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {2, "12.346", "12.35"},                     // two decimals, rounded
      {2, "0.5", ".5"},                           // no zero before the point
      {2, " 7", "7."},                            // a whole number keeps its point
      {3, "0", "."},                              // zero under a picture with a point
      {3, "99.96", "100."},                       // rounded up to the bound, still accepted
      {3, "12.25", "12.2"},                       // halves go to the even neighbour
      {4, "2.6", "3"},                            // no decimals
      {4, "2.5", "2"},                            // halves to even
      {4, "0", ""},                               // zero under a picture without a point
      {5, "1.234", "1.23"},   {3, "5abc", "5."},  // the leading number of the text counts
  };
  for (const Case& c : cases) {
    text(c.box).text = c.typed;
    EXPECT_TRUE(boxes.LostFocus(c.box)) << c.typed;
    EXPECT_EQ(text(c.box).text, c.shown) << c.typed;
  }
  EXPECT_TRUE(prompter.shown().empty());
  EXPECT_EQ(focus(), "");
}

TEST_F(NumericBoxesTest, ARefusedValueShowsTheMessageUnderTheProgramTitleAndRestores)
{
  struct Case {
    int box;
    const char* typed;
    const char* message;
    const char* restored;
  };
  const Case cases[] = {
      {2, "0", "two must be above zero", "7"},
      {2, "", "two must be above zero", "7"},
      {2, "abc", "two must be above zero", "7"},
      {2, "0.004", "two must be above zero", "7"},  // rounds to zero under "##.##"
      {3, "100.06", "three must lie in 0..100", "25"},
      {3, "-1", "three must lie in 0..100", "25"},
      {4, "-0.6", "four must not be negative", "4"},  // rounds to -1
      {5, "1.004", "five must be above one", "1.5"},
  };
  for (const Case& c : cases) {
    prompter.clear();
    focus().clear();
    text(c.box).text = c.typed;
    EXPECT_FALSE(boxes.LostFocus(c.box)) << c.typed;
    ASSERT_EQ(prompter.shown().size(), 1u) << c.typed;
    EXPECT_EQ(prompter.shown()[0].text, c.message);
    EXPECT_EQ(prompter.shown()[0].title, "VORN");
    EXPECT_EQ(prompter.shown()[0].kind, test::ScriptedPrompter::Kind::Message);
    EXPECT_EQ(text(c.box).text, c.restored) << c.typed;
    EXPECT_EQ(focus(), "Text" + std::to_string(c.box)) << c.typed;
  }
}

TEST_F(NumericBoxesTest, TheRestoreTextIsAskedForWhenTheBoxIsRefused)
{
  restore3 = "60";  // changed after the box was declared
  text(3).text = "101";
  boxes.LostFocus(3);
  EXPECT_EQ(text(3).text, "60");
}

TEST_F(NumericBoxesTest, ARefusedRestoreTextStaysAsAKeptValueReportedOncePerOpening)
{
  restore3 = "150";  // beyond 0..100: the box keeps a value it refuses
  text(3).text = "200";
  EXPECT_FALSE(boxes.LostFocus(3));
  EXPECT_TRUE(boxes.LostFocus(3));  // the same value: nothing more said
  EXPECT_TRUE(boxes.LostFocus(3, LeaveTo::Command));
  boxes.forgetReported();  // the dialog opens again
  EXPECT_FALSE(boxes.LostFocus(3));
  text(2).text = "0";  // given back a value it accepts, a box still holds the user
  EXPECT_FALSE(boxes.LostFocus(2, LeaveTo::Command));
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{"three must lie in 0..100", "three must lie in 0..100",
                                      "two must be above zero"}));
}

TEST_F(NumericBoxesTest, EnterAndDownMoveForwardUpMovesBackAroundTheRing)
{
  struct Case {
    int from;
    BoxKey key;
    const char* to;
  };
  const Case cases[] = {
      {2, BoxKey::Enter, "Text3"}, {3, BoxKey::Down, "Text4"}, {5, BoxKey::Enter, "Text2"},
      {5, BoxKey::Down, "Text2"},  {2, BoxKey::Up, "Text5"},   {4, BoxKey::Up, "Text3"},
  };
  for (const Case& c : cases) {
    focus().clear();
    text(c.from).text = "50";
    boxes.KeyDown(c.from, c.key);
    EXPECT_EQ(focus(), c.to) << c.from;
  }
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(NumericBoxesTest, TheRingSkipsDisabledAndHiddenBoxes)
{
  text(3).enabled = false;
  text(4).visible = false;
  boxes.KeyDown(2, BoxKey::Enter);
  EXPECT_EQ(focus(), "Text5");
  boxes.KeyDown(5, BoxKey::Up);
  EXPECT_EQ(focus(), "Text2");
}

TEST_F(NumericBoxesTest, OtherKeysAndALoneBoxDoNotMoveTheFocus)
{
  boxes.KeyDown(2, BoxKey::Other);
  EXPECT_EQ(focus(), "");
  text(3).enabled = false;
  text(4).enabled = false;
  text(5).enabled = false;
  text(2).text = std::string("0");  // would be refused if the box were left
  boxes.KeyDown(2, BoxKey::Enter);
  EXPECT_EQ(focus(), "");
  EXPECT_EQ(text(2).text, "0");
  EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(NumericBoxesTest, MovingOnChecksTheBoxLeftAndARefusalKeepsTheFocusThere)
{
  text(2).text = "3.456";
  boxes.KeyDown(2, BoxKey::Enter);
  EXPECT_EQ(text(2).text, "3.46");
  EXPECT_EQ(focus(), "Text3");

  text(3).text = "150";
  boxes.KeyDown(3, BoxKey::Down);
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{"three must lie in 0..100"});
  EXPECT_EQ(text(3).text, "25");
  EXPECT_EQ(focus(), "Text3");
}

TEST_F(NumericBoxesTest, EveryFailedCheckSpeaksInOrderAndTheFocusEndsOnTheLast)
{
  bool errore = false;
  EXPECT_TRUE(boxes.check(true, 2, "not shown", errore));
  EXPECT_FALSE(errore);
  EXPECT_FALSE(boxes.check(false, 3, "first", errore));
  EXPECT_TRUE(boxes.check(true, 4, "not shown either", errore));
  EXPECT_FALSE(boxes.check(false, 5, "second", errore));
  EXPECT_TRUE(errore);
  ASSERT_EQ(prompter.shown().size(), 2u);
  EXPECT_EQ(prompter.shown()[0].text, "first");
  EXPECT_EQ(prompter.shown()[1].text, "second");
  EXPECT_EQ(prompter.shown()[0].title, "ERRORE BOX");
  EXPECT_EQ(prompter.shown()[1].title, "ERRORE BOX");
  EXPECT_EQ(focus(), "Text5");
}

}  // namespace
}  // namespace vorn
