#include "windows/static/run3_recommendations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/common/run_messages.h"
#include "windows/static/form21_recommendations.h"

namespace vorn {
namespace {

namespace t = form21_texts;

class Recommendations : public ::testing::Test {
protected:
  // An ordinary building: regular, 4 stories, 12 m, A = 0.35, I = 1, soil type 1, system 10 in
  // both directions (neither a moment frame nor dual).
  void SetUp() override { describe(true, 4, 12, 1.0, 0.4, 10, 10); }
  void TearDown() override { EXPECT_TRUE(prompter.shown().empty()) << "RUN3 shows no message"; }

  // The one message of a run that stopped, taken so that TearDown sees none left.
  std::string takeMessage()
  {
    EXPECT_EQ(prompter.shown().size(), 1u);
    std::string text = prompter.shown().empty() ? "" : prompter.shown()[0].text;
    EXPECT_EQ(prompter.shown().empty() ? "" : prompter.shown()[0].title, run1_texts::checkTitle);
    prompter.clear();
    return text;
  }

  void describe(bool regular, double N, double H1, double i, double TS, double SYSTEMx,
                double SYSTEMy)
  {
    p().form8.Check[3].value = regular ? 1 : 0;
    p().N = N;
    p().H1 = H1;
    p().i = i;
    p().TS = TS;
    p().SYSTEMx = SYSTEMx;
    p().SYSTEMy = SYSTEMy;
    p().a = 0.35;
    p().Rx = 6;
    p().Ry = 6;
    p().Bx = 2.5;
    p().By = 2.5;
    p().WT = 100000;
  }

  const std::vector<std::string>& lines() { return p().form21.List1.lines(); }
  bool has(const std::string& line)
  {
    return std::find(lines().begin(), lines().end(), line) != lines().end();
  }

  Project& p() { return s->project; }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(Recommendations, OrdinaryBuildingGetsOnlyTheProvisionsThatAlwaysApply)
{
  RUN3(*s);
  const std::string sep = t::separator;
  const std::vector<std::string> expected = {
      t::staticAllowed,
      sep,
      t::verticalLongSpans,
      t::verticalConcentrated,
      t::verticalLoadBefore + (" 24" + std::string(t::verticalLoadAfter)),
      t::verticalCantilevers,
      sep,
      t::partsIntro,
      t::partsLabels[0] + (" 24" + std::string(t::percent)),
      t::partsLabels[1] + (" 70" + std::string(t::percent)),
      t::partsLabels[2] + (" 70" + std::string(t::percent)),
      t::partsLabels[3] + (" 35" + std::string(t::percent)),
      t::partsLabels[4] + (" 35" + std::string(t::percent)),
      sep,
      t::jointBefore + (" 12" + std::string(t::jointAfter)),
      sep,
  };
  EXPECT_EQ(lines(), expected);
  EXPECT_EQ(sep, std::string(89, '-'));
  EXPECT_FALSE(p().REC1);
}

TEST_F(Recommendations, EveryConditionalProvisionInItsPlace)
{
  // Irregular, 8 stories, 60 m, I = 1.2 on soil type 3; dual in x, moment frame in y.
  describe(false, 8, 60, 1.2, 0.7, 17, 12);
  p().Rx = 7;
  p().Ry = 5.5;
  p().Bx = 2.5;
  p().By = 1.75;
  p().WT = 123457;
  RUN3(*s);
  const std::string sep = t::separator;
  std::vector<std::string> expected = {
      t::dynamicMandatory,
      sep,
      t::siteSpectrumIfDeepSoil,
      t::siteSpectrumIfDeepSoilThen,
      sep,
      t::dualEachSet25,
      t::dualAllToWalls,
      t::dualFrames30,
      sep,
      t::noFlatSlabs,
      sep,
      t::verticalLongSpans,
      t::verticalConcentrated,
      t::verticalLoadBefore + (" 29" + std::string(t::verticalLoadAfter)),  // 29.4
      t::verticalCantilevers,
      sep,
      t::partsIntro,
      t::partsLabels[0] + (" 29" + std::string(t::percent)),
      t::partsLabels[1] + (" 84" + std::string(t::percent)),
      t::partsLabels[2] + (" 84" + std::string(t::percent)),
      t::partsLabels[3] + (" 42" + std::string(t::percent)),
      t::partsLabels[4] + (" 42" + std::string(t::percent)),
      sep,
      t::compatibility1,
      t::compatibility2 + (" 4.9" + std::string(t::compatibilityX)),  // 0.7 R, not rounded
      " 3.85" + std::string(t::compatibilityY),
      sep,
      t::partitions,
      sep,
      t::serviceability,
      // 0.35 x 2.5 x 1.2 x 123457 / 6 = 21604.975; 0.35 x 1.75 x 1.2 x 123457 / 6 = 15123.4825
      t::serviceShearX + (" 21605" + std::string(t::kilogram)),
      t::serviceShearY + (" 15123" + std::string(t::kilogram)),
  };
  expected.insert(expected.end(), t::serviceLimits.begin(), t::serviceLimits.end());
  expected.insert(expected.end(), {sep, t::jointBefore + (" 60" + std::string(t::jointAfter)),
                                   t::jointPerStory + (" 7" + std::string(t::jointPerStoryX)) +
                                       " 5.5" + t::jointPerStoryY,
                                   sep});
  EXPECT_EQ(lines(), expected);
  EXPECT_TRUE(p().REC1);
  EXPECT_FALSE(p().REC2);
}

struct Case {
  bool regular;
  double N;
  double H1;
  double i;
  double TS;
  double SYSTEMx;
  double SYSTEMy;
  // D dynamic analysis, S site spectrum outright, C site spectrum on condition, W dual system,
  // A all forces to the walls, F no flat slabs, M deformation compatibility, P partitions,
  // E serviceability earthquake, J joint at every story.
  const char* provisions;
};

// The letters of the provisions that the list holds.
std::string provisionsOf(const std::vector<std::string>& lines)
{
  const std::pair<char, const char*> marks[] = {
      {'D', t::dynamicMandatory},       {'S', t::siteSpectrumMandatory},
      {'C', t::siteSpectrumIfDeepSoil}, {'W', t::dualEachSet25},
      {'A', t::dualAllToWalls},         {'F', t::noFlatSlabs},
      {'M', t::compatibility1},         {'P', t::partitions},
      {'E', t::serviceability},         {'J', t::jointPerStory},
  };
  std::string found;
  for (const auto& [letter, text] : marks) {
    for (const auto& line : lines) {
      if (line.rfind(text, 0) == 0) {
        found += letter;
        break;
      }
    }
  }
  return found;
}

TEST_F(Recommendations, ProvisionsFollowTheirConditionsAtTheBoundaries)
{
  const Case cases[] = {
      // method of analysis
      {true, 1, 50, 1.0, 0.4, 10, 10, "D"},  // regular: 50 m is dynamic
      {true, 1, 49.9, 1.0, 0.4, 10, 10, ""},
      {false, 5, 17, 1.0, 0.4, 10, 10, ""},  // irregular: 5 stories and 17 m is static
      {false, 6, 17, 1.0, 0.4, 10, 10, "DM"},
      {false, 5, 18, 1.0, 0.4, 10, 10, "D"},
      // site spectrum of a dynamic building
      {false, 6, 40, 1.0, 1.0, 10, 10, "DM"},      // soil type 4, low and ordinary
      {false, 6, 60, 1.0, 1.0, 10, 10, "DSME"},    // soil type 4 above 50 m
      {false, 6, 40, 1.2, 1.0, 10, 10, "DSMPEJ"},  // soil type 4, important
      {false, 6, 60, 1.0, 0.7, 10, 10, "DCME"},    // soil type 3 above 50 m
      {false, 6, 60, 1.4, 0.5, 10, 10, "DCMPEJ"},  // soil type 2 above 50 m
      {false, 6, 50, 1.0, 0.7, 10, 10, "DM"},      // not above 50 m
      {false, 6, 60, 1.4, 0.4, 10, 10, "DMPEJ"},   // soil type 1: never
      // dual systems and flat slabs
      {true, 8, 35, 1.0, 0.4, 17, 10, "WAMJ"},  // fewer than 9 stories
      {true, 9, 30, 1.0, 0.4, 10, 23, "WMPJ"},  // 9 stories and 30 m
      {true, 9, 29, 1.0, 0.4, 17, 10, "WAMPJ"},
      {true, 8, 20, 1.0, 0.4, 16, 16, "FMJ"},  // 16 is a moment frame, not dual
      {true, 4, 10.1, 1.0, 0.4, 11, 10, "F"},
      {true, 4, 10.1, 1.0, 0.4, 10, 16, "F"},
      {true, 4, 10, 1.0, 0.4, 11, 10, ""},
      {true, 3, 10.1, 1.0, 0.4, 11, 10, ""},
      // deformation compatibility, partitions, joint at every story
      {true, 5, 15, 1.0, 0.4, 10, 10, ""},
      {true, 6, 18, 1.0, 0.4, 10, 10, "M"},
      {true, 7, 21, 1.0, 0.4, 10, 10, "M"},
      {true, 8, 24, 1.0, 0.4, 10, 10, "MJ"},
      {true, 9, 27, 1.0, 0.4, 10, 10, "MPJ"},
      // serviceability earthquake
      {true, 15, 45, 1.0, 0.4, 10, 10, "MPJ"},
      {true, 16, 45, 1.0, 0.4, 10, 10, "MPEJ"},
      {false, 5, 17, 1.2, 0.4, 10, 10, "PEJ"},
      {true, 15, 50, 1.0, 0.4, 10, 10, "DMPJ"},
      {true, 15, 50.1, 1.0, 0.4, 10, 10, "DMPEJ"},
  };
  for (const auto& c : cases) {
    describe(c.regular, c.N, c.H1, c.i, c.TS, c.SYSTEMx, c.SYSTEMy);
    p().REC2 = true;
    RUN3(*s);
    SCOPED_TRACE(testing::Message()
                 << (c.regular ? "regular" : "irregular") << " N " << c.N << " H1 " << c.H1 << " I "
                 << c.i << " TS " << c.TS << " systems " << c.SYSTEMx << "/" << c.SYSTEMy);
    const std::string expected = c.provisions;
    EXPECT_EQ(provisionsOf(lines()), expected);
    const bool dynamic = expected.find('D') != std::string::npos;
    EXPECT_EQ(p().REC1, dynamic);
    if (dynamic) {
      EXPECT_EQ(p().REC2, expected.find('S') != std::string::npos);
    } else {
      EXPECT_TRUE(p().REC2) << "kept from before when static analysis is allowed";
    }
  }
}

TEST_F(Recommendations, PercentagesAreWholeNumbersOfAAndI)
{
  struct {
    double a;
    double i;
    const char* low;   // 0.7 A I: the vertical load and the walls
    const char* high;  // 2 A I: parapets and ornaments
    const char* mid;   // A I: tanks and precast connections
  } const cases[] = {
      {0.35, 1.0, " 24", " 70", " 35"},  // 24.5 goes to the even 24
      {0.25, 1.0, " 18", " 50", " 25"},  // 17.5 goes to the even 18
      {0.20, 0.8, " 11", " 32", " 16"},  // 11.2
  };
  for (const auto& c : cases) {
    p().a = c.a;
    p().i = c.i;
    RUN3(*s);
    SCOPED_TRACE(testing::Message() << "A " << c.a << " I " << c.i);
    EXPECT_TRUE(has(t::verticalLoadBefore + (c.low + std::string(t::verticalLoadAfter))));
    const char* shown[] = {c.low, c.high, c.high, c.mid, c.mid};
    for (std::size_t k = 0; k < 5; ++k) {
      EXPECT_TRUE(has(t::partsLabels[k] + (shown[k] + std::string(t::percent)))) << k;
    }
  }
}

TEST_F(Recommendations, OpensOverTheMainWindowAndARerunReplacesTheList)
{
  ASSERT_FALSE(p().form27.Check[7].enabled);
  RUN3(*s);
  EXPECT_TRUE(p().window(WindowId::Form21).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().form27.Check[7].enabled);
  EXPECT_EQ(p().form27.Check[7].value, 0) << "offered, not ticked";
  s->form21.OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form21).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);

  const auto first = lines();
  p().SYSTEMx = 11;  // a moment frame above 10 m adds the flat-slab provision
  RUN3(*s);
  EXPECT_EQ(lines().size(), first.size() + 2);
  EXPECT_EQ(std::count(lines().begin(), lines().end(), std::string(t::staticAllowed)), 1);
}

// Values far beyond any building (a hand-edited project file) overflow the percentage or the
// service shears: the run stops under the static run's message and keeps the list it had.
TEST_F(Recommendations, NumbersBeyondADoubleStopTheRunAndKeepTheList)
{
  RUN3(*s);
  s->form21.OK_Click();
  const auto before = lines();
  p().a = 1e307;  // 0.7 x A x I x 100
  RUN3(*s);
  EXPECT_EQ(takeMessage(), run1_texts::invalidDataMessage);
  EXPECT_FALSE(p().window(WindowId::Form21).visible);
  EXPECT_EQ(lines(), before);

  // The service shears count only where they are written: 16 stories bring them in.
  p().a = 0.35;
  p().Bx = 1000;
  p().WT = 1e308;
  RUN3(*s);
  EXPECT_TRUE(prompter.shown().empty());
  s->form21.OK_Click();
  p().N = 16;
  RUN3(*s);
  EXPECT_EQ(takeMessage(), run1_texts::invalidDataMessage);
  EXPECT_FALSE(p().window(WindowId::Form21).visible);
}

}  // namespace
}  // namespace vorn
