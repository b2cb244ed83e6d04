// A project file from someone else may hold any number on any line. Numbers at the edges of a
// double, on every number line of a building taken through every analysis, open (with the
// analyses run again) to a project that holds only finite numbers and saves a file the program
// opens again.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fileformat/project_file.h"
#include "fuzz_inputs.h"
#include "main_window_driver.h"
#include "model/project.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/common/run_messages.h"
#include "windows/files/open_project.h"

namespace vorn {
namespace {

// The lines of the file that hold a number, or an edit box's text written as one.
class NumberLines : public fuzz::ValueLines {
public:
  std::vector<int> lines;

  void onNumber(double&, int line) override { lines.push_back(line); }
  void onBoxText(std::string&, int line) override { lines.push_back(line); }
};

// The story blocks of the building's first story and of its roof (the fourth); the others are
// laid out alike.
bool inFirstOrRoofBlock(int line)
{
  const int block = (line - kLeadingLines - 1) / kStoryBlockLines + 1;
  return line <= kLeadingLines || line > kLeadingLines + kMaxStories * kStoryBlockLines ||
         block == 1 || block == 4;
}

TEST(ExtremeLines, EveryNumberLineAtTheEdgesOfADoubleOpensToFiniteValues)
{
  Project layout;
  NumberLines numbers;
  visitLayout(layout, numbers);
  ASSERT_GT(numbers.lines.size(), 200u);

  int tried = 0;
  for (const int line : numbers.lines) {
    if (!inFirstOrRoofBlock(line)) {
      continue;
    }
    // Products of two such values, or sums of many, overflow a double.
    for (const char* value : {"1.7E+308", "-1.7E+308", "1.5E+154", "1E-300"}) {
      const std::string patch = std::to_string(line) + "=" + value;
      const auto problem = fuzz::projectPatchInput(patch);
      EXPECT_FALSE(problem.has_value()) << "line " << patch << ": " << problem.value_or("");
      ++tried;
    }
  }
  EXPECT_GT(tried, 4 * 150);
}

// A design acceleration near the largest double stops the static run, the recommendations and the
// spectrum while the file is opened: the message is shown once, and later runs speak again.
TEST(ExtremeLines, AValueThatStopsSeveralRunsWhileOpeningIsToldOnce)
{
  test::ScriptedPrompter prompter;
  auto built = std::make_unique<Session>(prompter);
  fuzz::describeAndRunEverything(*built);
  std::vector<std::string> lines = projectFileLines(built->project);
  lines.at(24) = "1.7E+308";  // A

  auto s = std::make_unique<Session>(prompter);
  openProjectLines(*s, lines);
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{run1_texts::invalidDataMessage});
  EXPECT_EQ(s->project.a, 1.7e308);

  prompter.clear();
  test::clickMainCommand(*s, 9);   // the static run again
  test::clickMainCommand(*s, 13);  // the recommendations
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{run1_texts::invalidDataMessage,
                                                        run1_texts::invalidDataMessage}));
  prompter.clear();
}

}  // namespace
}  // namespace vorn
