// A project file from someone else may hold any number on any line. Numbers at the edges of a
// double, on every number line of a building taken through every analysis, open (with the
// analyses run again) to a project that holds only finite numbers and saves a file the program
// opens again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz_inputs.h"
#include "model/project.h"

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

}  // namespace
}  // namespace vorn
