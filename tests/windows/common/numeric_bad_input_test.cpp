// Every numeric box of every input dialog, given text that is not a usable number, ends in the
// box's own message or in an accepted value: never a crash, and never a value in the project
// that is not a finite number.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_inputs.h"
#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/spectrum/form20_spectrum.h"
#include "windows/structure/form10_stories.h"
#include "windows/structure/form8_structure.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form15_story_picker.h"
#include "windows/torsion/form16_torsion_stories.h"

namespace vorn {
namespace {

// A text that is not a usable number, what it reads as, and that value rounded to 0, 1 and 2
// decimals (the pictures "##", "##.#" / "#.#" and "##.##" / "#.##").
struct BadText {
  const char* name;
  std::string text;
  double value;
  std::array<double, 3> rounded;
};

const std::vector<BadText>& badTexts()
{
  static const std::vector<BadText> texts = {
      {"empty", "", 0, {0, 0, 0}},
      {"letters", "abc", 0, {0, 0, 0}},
      {"lone point", ".", 0, {0, 0, 0}},
      {"lone minus", "-", 0, {0, 0, 0}},
      {"beyond a double", "1e400", 0, {0, 0, 0}},  // a number beyond a double reads as 0
      {"four hundred digits", std::string(400, '9'), 0, {0, 0, 0}},
      {"thirty digits",
       "123456789012345678901234567890",
       123456789012345678901234567890.0,
       {123456789012345678901234567890.0, 123456789012345678901234567890.0,
        123456789012345678901234567890.0}},
      {"near the largest double", "1e307", 1e307, {1e307, 1e307, 1e307}},
      {"twenty decimals below one",
       "0.12345678901234567890",
       0.12345678901234567890,
       {0, 0.1, 0.12}},
      {"twenty decimals", "2.71828182845904523536", 2.71828182845904523536, {3, 2.7, 2.72}},
  };
  return texts;
}

// The number a box shows, read without the program's own reading (and whatever the locale).
double readBack(const std::string& text)
{
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos || text.substr(start) == ".") {
    return 0;
  }
  const bool negative = text[start] == '-';
  start += negative ? 1 : 0;
  double v = 0;
  std::from_chars(text.data() + start, text.data() + text.size(), v);
  return negative ? -v : v;
}

using Rule = std::function<bool(double)>;
Rule above(double low)
{
  return [low](double v) { return v > low; };
}
Rule atLeast(double low)
{
  return [low](double v) { return v >= low; };
}
Rule within(double low, double high)
{
  return [low, high](double v) { return v >= low && v <= high; };
}
Rule both(Rule a, Rule b)
{
  return [a, b](double v) { return a(v) && b(v); };
}

struct Box {
  int number;
  int decimals;  // of the box's picture
  Rule leave;    // what leaving the box accepts
  const char* leaveMessage;
  bool restores;    // a refused box gets a valid text back (otherwise it keeps its text)
  Rule validation;  // what the dialog's validation accepts here, the other boxes as opened
  std::vector<const char*> validationMessages;  // what a refusal there shows
};

struct Dialog {
  const char* name;
  WindowId window;
  std::function<void(Session&)> open;  // the dialog shown with valid texts in every box
  std::function<TextBox&(Project&, int)> box;
  std::function<bool(Session&, int)> leave;
  std::function<void(Session&)> ok;
  std::vector<Box> boxes;
};

std::vector<Dialog> dialogs()
{
  namespace t8 = form8_texts;
  namespace t10 = form10_texts;
  namespace t14 = form14_texts;
  namespace t16 = form16_texts;
  namespace t19 = form19_texts;
  namespace t23 = form23_texts;
  const auto& m10 = t10::leaveMessages;
  const auto& e10 = t10::checkErrors;
  const auto& m16 = t16::leaveMessages;
  auto whole = [](double v) { return std::floor(v) == v; };
  auto centre = [](double v) { return v > 0 && v <= 10; };  // within the story's 10 m
  // The spectrum table may hold this many steps; the other box holds its opening value.
  auto rows = [](double tmax, double tstep) { return std::nearbyint(tmax / tstep); };
  const double steps = kMaxSpectrumSteps;

  return {
      {"structure",
       WindowId::Form8,
       [](Session& s) {
         s.project.STORYSET[1] = true;  // one story of 3 m entered: OK can close
         s.project.HS[1] = 3;
         test::clickMainCommand(s, 6);
       },
       [](Project& p, int k) -> TextBox& { return p.form8.Text[k]; },
       [](Session& s, int k) { return s.form8.Text_LostFocus(k); },
       [](Session& s) { s.form8.OK_Click(); },
       {
           {1, 2, above(0), t8::periodLeave, true, above(0), {t8::periodError}},
           {2,
            0,
            above(0),
            t8::storyCountLeave,
            true,
            [whole](double v) { return v > 0 && whole(v) && v <= 200; },
            {t8::storyCountError, t8::storyCountLimit}},
           {3, 2, above(0), t8::heightLeave, true, above(0), {t8::heightError}},
       }},
      {"stories",
       WindowId::Form10,
       [](Session& s) {
         test::clickMainCommand(s, 6);
         s.project.form8.Text[2].text = "1";
         s.project.form8.Text[3].text = "3";
         s.form8.Command2_Click();
       },
       [](Project& p, int k) -> TextBox& { return p.form10.Text[k]; },
       [](Session& s, int k) { return s.form10.Text_LostFocus(k); },
       [](Session& s) { s.form10.OK_Click(); },
       {
           {2, 2, above(0), m10[0], true, above(0), {e10[1]}},
           {3, 2, above(0), m10[1], true, atLeast(0), {e10[2]}},
           {4, 2, above(0), m10[2], true, atLeast(0), {e10[3]}},
           {5, 1, within(0, 100), m10[3], true, within(0, 100), {e10[4]}},
           {6, 1, atLeast(0), m10[4], true, atLeast(0), {e10[5]}},
           // the wall may not rise above the story height of 3 m
           {7, 1, within(0, 100), m10[5], true, within(0, 3), {e10[6], t10::wallAboveStory}},
           {8, 1, within(0, 100), m10[6], true, within(0, 100), {e10[7]}},
           {9, 1, atLeast(0), m10[7], true, atLeast(0), {e10[8]}},
           {10, 1, atLeast(0), m10[8], true, atLeast(0), {e10[9]}},
           // nor the story height below the wall height of 3 m
           {11, 2, above(0), m10[9], true, atLeast(3), {e10[10], t10::wallAboveStory}},
       }},
      {"torsion data",
       WindowId::Form14,
       [](Session& s) { s.form14.open(); },
       [](Project& p, int k) -> TextBox& { return p.form14.Text[k]; },
       [](Session& s, int k) { return s.form14.Text_LostFocus(k); },
       [](Session& s) { s.form14.OK_Click(); },
       {
           {1, 2, above(0), t14::dimensionLeave, true, above(0), {t14::sizesPositive}},
           {2, 2, above(0), t14::dimensionLeave, true, above(0), {t14::sizesPositive}},
           {3, 2, above(0), t14::thicknessLeave, true, above(0), {t14::sizesPositive}},
       }},
      {"story centres",
       WindowId::Form16,
       [](Session& s) {
         s.form8.Check_Click(3, 0);  // irregular: the factor boxes are open
         s.form14.open();            // plan 10 m by 10 m
         s.form14.Command1_Click();
         s.form15.Command1_Click();  // story 1: centres at 5 m, dimensions 10 m, factors 1
       },
       [](Project& p, int k) -> TextBox& { return p.form16.Text[k]; },
       [](Session& s, int k) { return s.form16.Text_LostFocus(k); },
       [](Session& s) { s.form16.OK_Click(); },
       {
           {2,
            2,
            centre,
            m16[0],
            true,
            within(0, 10),
            {t16::sizesPositive, t16::centresBeyondPlan}},
           {3,
            2,
            centre,
            m16[1],
            true,
            within(0, 10),
            {t16::sizesPositive, t16::centresBeyondPlan}},
           {4,
            2,
            centre,
            m16[2],
            true,
            within(0, 10),
            {t16::sizesPositive, t16::centresBeyondPlan}},
           {5,
            2,
            centre,
            m16[3],
            true,
            within(0, 10),
            {t16::sizesPositive, t16::centresBeyondPlan}},
           {6, 2, above(0), m16[4], true, atLeast(0), {t16::sizesPositive}},
           {7, 2, above(0), m16[5], true, atLeast(0), {t16::sizesPositive}},
           {8, 2, within(1, 3), t16::factorLeave, true, within(1, 3), {t16::centresBeyondPlan}},
           {9, 2, within(1, 3), t16::factorLeave, true, within(1, 3), {t16::centresBeyondPlan}},
       }},
      {"spectrum",
       WindowId::Form19,
       [](Session& s) { RUN4(s); },  // 10 s by steps of 0.1 s
       [](Project& p, int k) -> TextBox& { return p.form19.Text[k]; },
       [](Session& s, int k) { return s.form19.Text_LostFocus(k); },
       [](Session& s) { s.form19.OK_Click(); },
       {
           {1,
            1,
            above(0),
            t19::text1Leave,
            true,
            both(atLeast(0.1), [=](double v) { return rows(v, 0.1) <= steps; }),
            {t19::tmaxNotPositive, t19::stepAboveMaximum, t19::tooManyRows}},
           {2,
            2,
            above(0),
            t19::text2Leave,
            true,
            [=](double v) { return v > 0 && v <= 10 && rows(10, v) <= steps; },
            {t19::tstepNotPositive, t19::stepAboveMaximum, t19::tooManyRows}},
       }},
      {"drifts",
       WindowId::Form23,
       [](Session& s) {
         s.form8.Check_Click(3, 0);  // irregular: the maximum drifts are open
         run8(s);                    // every drift 1.5 cm
       },
       [](Project& p, int k) -> TextBox& { return p.form23.Text[k]; },
       [](Session& s, int k) { return s.form23.Text_LostFocus(k); },
       [](Session& s) { s.form23.OK_Click(); },
       {
           {2,
            2,
            atLeast(0),
            t23::negativeLeave,
            false,
            within(0, 1.5),
            {t23::negativeAverage, t23::maximumBelowAverage}},
           {3,
            2,
            atLeast(0),
            t23::negativeLeave,
            false,
            within(0, 1.5),
            {t23::negativeAverage, t23::maximumBelowAverage}},
           {4, 2, atLeast(0), t23::negativeLeave, false, atLeast(1.5), {t23::maximumBelowAverage}},
           {5, 2, atLeast(0), t23::negativeLeave, false, atLeast(1.5), {t23::maximumBelowAverage}},
       }},
  };
}

bool among(const std::string& text, const std::vector<const char*>& messages)
{
  for (const char* m : messages) {
    if (text == m) {
      return true;
    }
  }
  return false;
}

class BadNumericInput : public ::testing::Test {
protected:
  // A fresh program with the dialog open.
  void openFresh(const Dialog& d)
  {
    prompter = std::make_unique<test::ScriptedPrompter>();
    s = std::make_unique<Session>(*prompter);
    d.open(*s);
    ASSERT_TRUE(s->project.window(d.window).visible) << d.name;
    ASSERT_TRUE(prompter->shown().empty()) << d.name << ": " << prompter->shown().front().text;
  }

  std::unique_ptr<test::ScriptedPrompter> prompter;
  std::unique_ptr<Session> s;
};

TEST_F(BadNumericInput, LeavingABoxGivesItsMessageOrAnAcceptedNumber)
{
  for (const Dialog& d : dialogs()) {
    for (const Box& b : d.boxes) {
      for (const BadText& bad : badTexts()) {
        openFresh(d);
        const std::string where =
            std::string(d.name) + " Text" + std::to_string(b.number) + " with " + bad.name + ": ";
        TextBox& box = d.box(s->project, b.number);
        box.text = bad.text;
        const double shown = bad.rounded.at(static_cast<std::size_t>(b.decimals));
        const bool accepted = d.leave(*s, b.number);

        EXPECT_EQ(accepted, b.leave(shown)) << where << "reads as " << shown;
        EXPECT_EQ(box.text.find_first_not_of(" -0123456789.E+"), std::string::npos)
            << where << "the box shows \"" << box.text << "\"";
        if (accepted) {
          EXPECT_TRUE(prompter->shown().empty()) << where << prompter->shown().front().text;
          // The box shows the rounded number (15 significant digits are kept).
          EXPECT_NEAR(readBack(box.text), shown, 1e-14 * std::fabs(shown))
              << where << "the box shows \"" << box.text << "\"";
        } else {
          ASSERT_EQ(prompter->shown().size(), 1u) << where;
          EXPECT_EQ(prompter->shown()[0].text, b.leaveMessage) << where;
          EXPECT_EQ(prompter->shown()[0].title, "VORN") << where;
          EXPECT_EQ(s->project.window(d.window).focus, "Text" + std::to_string(b.number)) << where;
          if (b.restores) {
            EXPECT_NE(box.text, bad.text) << where;
          }
        }
        EXPECT_EQ(fuzz::firstLineNotFinite(s->project), 0) << where << "a value that is not finite";
      }
    }
  }
}

TEST_F(BadNumericInput, OkGivesTheBoxMessageOrAcceptsTheNumber)
{
  for (const Dialog& d : dialogs()) {
    for (const Box& b : d.boxes) {
      for (const BadText& bad : badTexts()) {
        openFresh(d);
        const std::string where =
            std::string(d.name) + " Text" + std::to_string(b.number) + " with " + bad.name + ": ";
        d.box(s->project, b.number).text = bad.text;  // typed, then OK at once
        d.ok(*s);

        bool boxMessage = false;
        for (const auto& m : prompter->shown()) {
          boxMessage = boxMessage || among(m.text, b.validationMessages);
        }
        if (b.validation(bad.value)) {
          EXPECT_FALSE(boxMessage) << where << "refused " << bad.value;
        } else {
          EXPECT_TRUE(boxMessage) << where << "accepted " << bad.value;
          EXPECT_TRUE(s->project.window(d.window).visible) << where << "the dialog closed";
        }
        EXPECT_EQ(fuzz::firstLineNotFinite(s->project), 0) << where << "a value that is not finite";
      }
    }
  }
}

}  // namespace
}  // namespace vorn
