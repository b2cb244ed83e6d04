// Numbers at the edge of the file format: every value of up to 15 significant digits from 1E-06 to
// 1E+20, written in the plain decimal or the exponent form, comes back from a saved and opened
// file as the same double.
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "fileformat/project_file.h"
#include "fileformat/project_file_layout.h"
#include "fileformat/project_file_reader.h"
#include "model/number_text.h"
#include "temp_folder.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// A number given as decimal text, and its double as the standard library reads that text.
struct Decimal {
  std::string text;
  double value;
};

Decimal decimal(const std::string& text)
{
  Decimal d{text, 0.0};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d.value);
  EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
  return d;
}

// Mantissas of one to fifteen significant digits, times every power of ten from 1E-06 to 1E+20,
// both signs.
std::vector<Decimal> edgeValues()
{
  const char* mantissas[] = {"1",
                             "1.5",
                             "2.5",
                             "3.14159265358979",
                             "1.23456789012345",
                             "9.99999999999999",
                             "7.00000000000001",
                             "4.99999999999995"};
  std::vector<Decimal> values;
  for (int e = -6; e <= 20; ++e) {
    for (const char* m : mantissas) {
      const std::string power = std::string(e < 0 ? "E-" : "E+") + std::to_string(e < 0 ? -e : e);
      if (e == 20 && std::strcmp(m, "1") != 0) {
        continue;  // 1E+20 is the largest of the range
      }
      values.push_back(decimal(m + power));
      values.push_back(decimal("-" + std::string(m) + power));
    }
  }
  return values;
}

class NoEvents : public ReadEvents {
public:
  void check11Changed(int) override {}
  void siteOption1Selected() override {}
  void siteOption2Selected() override {}
  void provinceChosen() override {}
  void cityChosen() override {}
  void directAChosen() override {}
  void structureCheck4Changed() override {}
  void torsionOptionSelected(int) override {}
  void reportCheck11Changed() override {}
};

class EdgeNumbers : public ::testing::Test {
protected:
  // Saves the project to a file, reads the file back and opens it into a new project.
  std::unique_ptr<Project> saveAndOpen(const Project& saved)
  {
    const std::string path = (folder / "EDGE.EQ").string();
    EXPECT_EQ(writeProjectFile(saved, path), std::nullopt);
    const ProjectFileRead read = readProjectFile(path);
    EXPECT_TRUE(read.ok()) << read.error;
    auto opened = std::make_unique<Project>();
    if (read.ok()) {
      NoEvents events;
      applyProjectLines(*opened, read.lines, events);
    }
    return opened;
  }

  test::TempFolder temp{"vorn-edge"};
  const fs::path folder = temp.path();
};

TEST_F(EdgeNumbers, FifteenDigitValuesFromOneMillionthToOneE20ComeBackExactly)
{
  const std::vector<Decimal> values = edgeValues();
  ASSERT_EQ(values.size(), 2u * (26 * 8 + 1));
  // Spread over the story tables (ten per story), the scalars and the plain numbers.
  auto saved = std::make_unique<Project>();
  StoryArray* tables[] = {&saved->AR,  &saved->DL,        &saved->LL,     &saved->PERL, &saved->PW,
                          &saved->HW,  &saved->PERW,      &saved->LW,     &saved->LOD,  &saved->HS,
                          &saved->CMx, &saved->DRIFTMAXy, &saved->VSTORYy};
  constexpr std::size_t kTables = std::size(tables);
  ASSERT_LE(values.size(), kTables * kMaxStories);
  for (std::size_t k = 0; k < values.size(); ++k) {
    (*tables[k % kTables])[static_cast<int>(k / kTables) + 1] = values[k].value;
  }
  saved->MOx = values.front().value;
  saved->Tx = values.back().value;
  saved->Rx = values[values.size() / 2].value;  // a plain number line
  saved->SYSTEMy = values[values.size() / 3].value;

  const auto opened = saveAndOpen(*saved);
  StoryArray* back[] = {&opened->AR,     &opened->DL, &opened->LL,   &opened->PERL,
                        &opened->PW,     &opened->HW, &opened->PERW, &opened->LW,
                        &opened->LOD,    &opened->HS, &opened->CMx,  &opened->DRIFTMAXy,
                        &opened->VSTORYy};
  for (std::size_t k = 0; k < values.size(); ++k) {
    EXPECT_EQ((*back[k % kTables])[static_cast<int>(k / kTables) + 1], values[k].value)
        << values[k].text;
  }
  EXPECT_EQ(opened->MOx, saved->MOx);
  EXPECT_EQ(opened->Tx, saved->Tx);
  EXPECT_EQ(opened->Rx, saved->Rx);
  EXPECT_EQ(opened->SYSTEMy, saved->SYSTEMy);
}

TEST_F(EdgeNumbers, BoxesKeptAsTheirNumbersComeBackWithTheSameValue)
{
  // The structure dialog's boxes are saved as the padded form of their value and read back as
  // text: the text changes form, the number it reads as does not.
  struct Case {
    const char* typed;
    const char* line;  // the file line and the box's text after opening
  };
  const Case cases[] = {
      {"1.23456789012345E-06", " 1.23456789012345E-06"},
      {"0.000123456789012345", " .000123456789012345"},
      {"123456789012345", " 123456789012345"},
      {"1234567890123450", " 1.23456789012345E+15"},
      {"1e20", " 1E+20"},
  };
  for (const Case& c : cases) {
    auto saved = std::make_unique<Project>();
    saved->form8.Text[3].text = c.typed;
    const auto lines = projectFileLines(*saved);
    EXPECT_EQ(lines.at(48 - 1), c.line) << c.typed;
    const auto opened = saveAndOpen(*saved);
    EXPECT_EQ(opened->form8.Text[3].text, c.line) << c.typed;
  }
}

TEST(EdgeNumberLines, TheWrittenFormOfTheEdgesOfTheRange)
{
  auto p = std::make_unique<Project>();
  struct Case {
    double value;
    const char* line;
  };
  const Case cases[] = {
      {1e-6, " 1E-06"},
      {-1.23456789012345e-6, "-1.23456789012345E-06"},
      {0.00001, " 1E-05"},
      {0.0001, " .0001"},
      {0.000123456789012345, " .000123456789012345"},
      {123456789012345, " 123456789012345"},
      {999999999999999, " 999999999999999"},
      {1e15, " 1E+15"},
      {9.99999999999999e19, " 9.99999999999999E+19"},
      {1e20, " 1E+20"},
      {-1e20, "-1E+20"},
  };
  for (const Case& c : cases) {
    p->AR[1] = c.value;
    EXPECT_EQ(projectFileLines(*p).at(kLeadingLines), c.line) << c.line;
  }
}

// Beyond the range of the file: the largest doubles once rounded up to a text that reads back as
// 0, and rounding them to decimals once overflowed to infinity.
TEST(EdgeNumberLines, TheLargestDoublesStayNumbers)
{
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(padded(largest), " 1.79769313486231E+308");
  EXPECT_EQ(plain(-largest), "-1.79769313486231E+308");
  EXPECT_EQ(numericValue(padded(largest)), 1.79769313486231e308);
  EXPECT_EQ(roundHalfEven(largest, 2), largest);
  EXPECT_EQ(roundHalfEven(-1e307, 3), -1e307);
  EXPECT_EQ(roundHalfEven(4503599627370497.0, 1), 4503599627370497.0);  // 2^52 + 1: whole
  const std::string shown = picture(9e306, "##.##");
  EXPECT_EQ(shown.size(), 308u) << shown;  // 307 digits and the point
  EXPECT_EQ(shown.back(), '.');
  double back = 0;
  std::from_chars(shown.data(), shown.data() + shown.size() - 1, back);
  EXPECT_EQ(back, 9e306);
}

}  // namespace
}  // namespace vorn
