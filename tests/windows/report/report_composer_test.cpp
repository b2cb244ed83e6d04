#include "windows/report/report_composer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fileformat/codepage.h"
#include "report_buildings.h"
#include "scripted_prompter.h"
#include "session/session.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// A line as the report writes it: 18 blanks, then the text.
std::string in(const std::string& text)
{
  return std::string(18, ' ') + text;
}

const std::string kRule = in(std::string(92, '-'));
const std::string kStars = in(std::string(39, '*'));

class ReportComposer : public ::testing::Test {
protected:
  ReportComposer() : s(std::make_unique<Session>(prompter)) {}
  Project& p() { return s->project; }
  void tick(std::initializer_list<int> tables)
  {
    for (int k : tables) {
      p().form27.Check[k].value = 1;
    }
  }
  void offer(std::initializer_list<int> tables)
  {
    for (int k : tables) {
      p().form27.Check[k].enabled = true;
    }
  }
  // The lines of one table: everything after the opening rule line.
  std::vector<std::string> table(int k)
  {
    tick({k});
    offer({k});
    auto lines = composeReport(p());
    EXPECT_EQ(lines.front(), kRule);
    lines.erase(lines.begin());
    return lines;
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s;
};

TEST_F(ReportComposer, OnlyTableOneTickedGivesTheRuleLineThenTableOne)
{
  // State: a new project (Tehran, A = 0.35, soil type 1, medium importance, concentric braces).
  tick({1});
  // Expected: the rule line, then table 1 closed by a rule line.
  const std::vector<std::string> expected = {
      kRule,
      in("اطلاعات ورودي"),
      in("نام استان و شهر محل ساخت=تهران   تهران"),
      in("A= .35(شتاب مبناي طرح )"),
      in("نوع زمين سازه= زمين نوع1(TS=0.4,T0=0.1)"),
      in("ساز ه با درحه اهميت متوسط(I=1)"),
      in("مهاربند هم محور فولادي=سيستم مقاوم جهت افقي  R= 6"),
      in("مهاربند هم محور فولادي=سيستم مقاوم جهت عمودي  R= 6"),
      kRule,
  };
  EXPECT_EQ(composeReport(p()), expected);
}

TEST_F(ReportComposer, TickedTablesWhoseDataDoNotExistAreSkipped)
{
  // State: tables 2 to 10 ticked in a new project, where none of them has been offered.
  for (int k = 2; k <= 10; ++k) {
    tick({k});
  }
  EXPECT_TRUE(anyTableTicked(p()));
  EXPECT_EQ(composeReport(p()), std::vector<std::string>{kRule}) << "the rule line alone";

  tick({1});
  const auto withTableOne = composeReport(p());
  EXPECT_EQ(withTableOne.size(), 9u) << "table 1 needs only its tick";
  EXPECT_FALSE(tableIncluded(p(), 5));
  p().form27.Check[1].enabled = false;
  EXPECT_TRUE(tableIncluded(p(), 1)) << "table 1 is written even when its box is disabled";
  p().form27.Check[1].value = 0;
  for (int k = 2; k <= 10; ++k) {
    p().form27.Check[k].value = 0;
  }
  EXPECT_FALSE(anyTableTicked(p()));
}

TEST_F(ReportComposer, SiteChosenDirectlyAndOtherSoilImportanceAndSystems)
{
  p().form2.Option1.value = false;
  p().form2.Option2.value = true;
  p().a = 0.2;
  p().TS = 1.0;
  p().i = 1.4;
  p().SYSTEMx = 14;
  p().Rx = 10;
  p().SYSTEMy = 1;
  p().Ry = 7;
  const auto lines = table(1);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], in("نام استان و شهر محل ساخت سازه=  ?  "));
  EXPECT_EQ(lines[2], in("A= .2(شتاب مبناي طرح )"));
  EXPECT_EQ(lines[3], in("نوع زمين سازه= زمين نوع4(TS=1,T0=0.15)"));
  EXPECT_EQ(lines[4], in("سازه با درجه اهميت خيلي زياد(I=1.4)"));
  EXPECT_EQ(lines[5], in("قاب خمشي فولادي ويژه=سيستم مقاوم جهت افقي  R= 10"));
  EXPECT_EQ(lines[6], in("ديوارهاي بتن آرمه ويژه=سيستم مقاوم جهت عمودي  R= 7"));
}

TEST_F(ReportComposer, UnknownSoilAndImportanceLeaveTheirLinesOut)
{
  p().TS = 0.45;  // no soil type has it
  p().i = 1.1;
  p().SYSTEMx = 0;  // a damaged file: no system of that code
  const auto lines = table(1);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2], in("A= .35(شتاب مبناي طرح )"));
  EXPECT_EQ(lines[3], in("=سيستم مقاوم جهت افقي  R= 6"));
}

TEST_F(ReportComposer, StoryTableWithAnalyticalPeriodAndInfillChoices)
{
  p().N = 2;
  p().H1 = 6.5;
  p().T = 0.85;
  p().form8.Check[1].enabled = true;
  p().form8.Check[1].value = 0;  // offered and cleared
  p().form8.Check[2].enabled = false;
  p().form8.Check[3].value = 0;
  p().form8.Check[4].value = 0;
  p().AR[2] = 120.5;
  p().HS[2] = 3.25;
  p().PERL[2] = 20;
  const auto lines = table(2);
  ASSERT_EQ(lines.size(), 8u + 2 * 12 + 1);
  EXPECT_EQ(lines[0], in("مشخصات بارها و ابعاد طبقات"));
  EXPECT_EQ(lines[1], in("تعداد طبقات سازه= 2"));
  EXPECT_EQ(lines[2], in("ارتفاع سازه از روي تراز پايه بر حسب متر= 6.5"));
  EXPECT_EQ(lines[3], in("سازه بدون ميانقاب در جهت افقي"));
  EXPECT_EQ(lines[4], in("سازه غير منظم"));
  EXPECT_EQ(lines[5], in("محاسبه پريودسازه با فرمول تحليلي"));
  EXPECT_EQ(lines[6], in("پريود سازه از فرمول تحليلي= .85"));
  EXPECT_EQ(lines[7], kStars);
  EXPECT_EQ(lines[20], in("مشخصات طبقه  شماره  2"));
  EXPECT_EQ(lines[21], in("مساحت طبقه بر حسب متر= 120.5"));
  EXPECT_EQ(lines[24], in("درصد مشارکت بار زنده بر حسب کيلوگرم بر  متر مربع= 20"));
  EXPECT_EQ(lines[30], in("ارتفاع نسبي طبقه بر حسب متر=  3.25"));
  EXPECT_EQ(lines[31], kStars);
  EXPECT_EQ(lines.back(), kRule);
}

TEST_F(ReportComposer, StoryTableWithEmpiricalPeriodAndBothInfillWalls)
{
  p().form8.Check[1].enabled = true;
  p().form8.Check[2].enabled = true;
  const auto lines = table(2);
  EXPECT_EQ(lines[3], in("سازه داراي ميانقاب در جهت افقي"));
  EXPECT_EQ(lines[4], in("سازه داراي ميانقاب در جهت عمودي"));
  EXPECT_EQ(lines[5], in("سازه منظم"));
  EXPECT_EQ(lines[6], in("محاسبه پريود سازه با فرمول تجربي ميباشد"));
  EXPECT_EQ(lines[7], kStars);
}

TEST_F(ReportComposer, DriftsInCentimetresWithMaximaOnlyWhenOffered)
{
  p().N = 1;
  p().DRIFTx[1] = 0.012;
  p().DRIFTy[1] = 0.0095;
  p().DRIFTMAXx[1] = 0.0155;
  p().DRIFTMAXy[1] = 0.02;
  p().form23.Text[4].enabled = false;
  auto lines = table(4);
  const std::vector<std::string> regular = {
      in("تغيير مکان نسبي طبقات"),
      in("تغيير مکان ميانگين جهت افقي طبقه شماره 1بر حسب سانتيمتر= 1.2"),
      in("تغيير مکان ميانگين جهت عمودي طبقه شماره 1بر حسب سانتيمتر= .95"),
      in(std::string(23, '*')),
      kRule,
  };
  EXPECT_EQ(lines, regular);

  p().form23.Text[4].enabled = true;
  lines = composeReport(p());
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[3], in("تغيير مکان ماکزيمم جهت افقي طبقه شماره 1بر حسب سانتيمتر= 1.55"));
  EXPECT_EQ(lines[5], in("تغيير مکان ماکزيمم جهت عمودي طبقه شماره 1بر حسب سانتيمتر= 2"));
}

TEST_F(ReportComposer, TorsionResultsTakeTheWindowTextsAndTheStoredMoments)
{
  Form18Contents& f = p().form18;
  f.Label1.caption = "L1";
  f.Label2.caption = "L2";
  f.Label3[0].caption = "L30";
  f.Label3[1].caption = "L31";
  f.Label4.caption = "L4";
  f.Label3[2].caption = "L32";
  f.Label5.caption = "L5";
  f.Label6[0].caption = "L60";
  f.Label8.caption = "L8";
  f.Label6[1].caption = "L61";
  f.Label7.caption = "L7";
  f.MSFlexGrid1.setCols(13);
  for (int c = 0; c < 13; ++c) {
    f.MSFlexGrid1.setCell(0, c, "H" + std::to_string(c));
  }
  p().N = 1;
  p().ECCx[1] = 0.6;
  p().MTTy[1] = -1234.5;
  const auto lines = table(6);
  ASSERT_EQ(lines.size(), 11u + 12 + 1);
  EXPECT_EQ(lines[0], in("محاسبات پيچش و واژگوني"));
  EXPECT_EQ(lines[1], in("L1"));
  EXPECT_EQ(lines[6], in("L32"));
  EXPECT_EQ(lines[7], std::string(36, ' ') + "L5L60");
  EXPECT_EQ(lines[8], in("L8L61"));
  EXPECT_EQ(lines[9], in("L7"));
  EXPECT_EQ(lines[10], kStars);
  EXPECT_EQ(lines[11], in("مشخصات طبقه  شماره  1   واحد :کيلوگرم و متر"));
  EXPECT_EQ(lines[12], in("H1= .6"));
  EXPECT_EQ(lines[13], in("H2= 0"));
  EXPECT_EQ(lines[21], in("H10=-1234.5"));
  EXPECT_EQ(lines[22], kStars);
}

TEST_F(ReportComposer, RecommendationsCloseWithTheLongerRule)
{
  p().form21.List1.addItem("first");
  p().form21.List1.addItem("second");
  const auto lines = table(7);
  const std::vector<std::string> expected = {in("توصيه هاي طراحي"), in("first"), in("second"),
                                             in(std::string(93, '-'))};
  EXPECT_EQ(lines, expected);
}

TEST_F(ReportComposer, SpectrumRowsRunFromTheYCoefficientToThePeriod)
{
  Grid& g = p().form20.MSFlexGrid1;
  g.setRows(3);
  g.setCols(3);
  g.setCell(1, 0, " 0");
  g.setCell(1, 1, " .105");
  g.setCell(1, 2, " .0875");
  g.setCell(2, 0, " .5");
  g.setCell(2, 1, "0.21");  // a cell is read as a number and written padded
  g.setCell(2, 2, "");
  const auto lines = table(8);
  const std::vector<std::string> expected = {
      in("طيف طرح استاندارد براي تحليل ديناميکي طيفي"),
      in("زمان(ثانيه)&&ضريب شتاب طيفي جهت افقي&&ضريب شتاب طيفي جهت عمودي"),
      in(" .0875" + std::string(27, ' ') + " .105" + std::string(24, ' ') + " 0"),
      in(" 0" + std::string(27, ' ') + " .21" + std::string(24, ' ') + " .5"),
      kRule,
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ReportComposer, AllowableDriftRowsEndWithTheStoryNumber)
{
  p().N = 2;
  Grid& g = p().form22.MSFlexGrid1;
  g.setRows(3);
  g.setCols(5);
  g.setCell(1, 1, " 1.53");
  g.setCell(1, 3, " 2.1");
  g.setCell(2, 1, " 1.2");
  g.setCell(2, 3, "");
  const auto lines = table(9);
  const std::vector<std::string> expected = {
      in("تغيير مكانهاي نسبي مجاز طبقات بر حسب سانتيمتر"),
      in("شماره طبقه&&تغيير مکان نسبي مجاز جهت افقي&&تغيير مکان نسبي مجاز جهت عمودي"),
      in(" 2.1" + std::string(36, ' ') + " 1.53" + std::string(32, ' ') + " 1"),
      in(std::string(36, ' ') + " 1.2" + std::string(32, ' ') + " 2"),
      kRule,
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ReportComposer, PDeltaRowsWriteTheVerdictsInLatinLetters)
{
  struct Case {
    int regular;
    int firstShearColumn;
  };
  for (const Case c : {Case{1, 5}, Case{0, 9}}) {
    SCOPED_TRACE(c.regular ? "regular" : "irregular");
    p().form8.Check[3].value = c.regular;
    p().N = 3;
    Grid& g = p().form24.MSFlexGrid1;
    g = Grid(4, 13);
    const int s0 = c.firstShearColumn;
    const std::array<std::array<std::string, 4>, 3> rows = {{
        {"قابل صرفنظر", " 5200", "قابل صرفنظر", " 4100"},
        {" 310", " 6100", "طبقه ناپايدار", "-"},
        {"نامعين: برش طبقه صفر است", "نامعين", " 12", " 20"},
    }};
    for (int r = 1; r <= 3; ++r) {
      for (int k = 0; k < 4; ++k) {
        g.setCell(r, s0 + k, rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(k)]);
      }
    }
    auto row = [](const std::string& totalY, const std::string& addedY, const std::string& totalX,
                  const std::string& addedX, const std::string& story) {
      return in(totalY + std::string(19, ' ') + addedY + std::string(21, ' ') + totalX +
                std::string(24, ' ') + addedX + std::string(14, ' ') + story);
    };
    const std::vector<std::string> expected = {
        in("محاسبات پي دلتا-واحد:کيلوگرم و سانتيمتر"),
        in("شماره طبقه&برش اضافي جهت افقي طبقه&برش کل جهت افقي طبقه&برش اضافي جهت عمودي "
           "طبقه&برش کل جهت عمودي طبقه"),
        row(" 4100", "NEGLECT", " 5200", "NEGLECT", " 1"),
        row("-", "NOTSTABLE STORY", " 6100", " 310", " 2"),
        row(" 20", " 12", "نامعين", "نامعين: برش طبقه صفر است", " 3"),
        kRule,
    };
    EXPECT_EQ(table(10), expected);
  }
}

TEST_F(ReportComposer, WindowsNeverFilledGiveOnlyTheRowsTheirGridsHold)
{
  // State: a saved file offered the tables, but the windows were never filled in this session:
  // every grid has its two empty first rows only, while the building has five stories.
  p().N = 5;
  for (int k = 1; k <= 10; ++k) {
    tick({k});
    offer({k});
  }
  const auto lines = composeReport(p());
  // Expected: no fault; the spectrum, allowable-drift and P-Delta tables list one (empty) row.
  auto count = [&](const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  };
  EXPECT_EQ(count(in(" 0" + std::string(27, ' ') + " 0" + std::string(24, ' ') + " 0")), 1);
  EXPECT_EQ(count(in(std::string(36 + 32, ' ') + " 1")), 1);
  EXPECT_EQ(count(in(std::string(19 + 21 + 24 + 14, ' ') + " 1")), 1);
  EXPECT_EQ(count(in(std::string(68, ' ') + " 2")), 0);
  EXPECT_EQ(count(in("=" + std::string(" 0"))), 5 * 10) << "table 6 without its headings";
}

// ---- The two complete buildings, compared with the reports kept in tests/data ----------------

std::string slurp(const fs::path& path)
{
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<std::string> splitCrLf(const std::string& bytes)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The report as the file holds it: Windows-1256, CR LF after every line.
std::string fileBytes(const std::vector<std::string>& lines)
{
  std::string bytes;
  for (const auto& line : lines) {
    const auto encoded = toWindows1256(line);
    EXPECT_TRUE(encoded) << line;
    bytes += encoded.value_or("") + "\r\n";
  }
  return bytes;
}

void expectGolden(const std::vector<std::string>& report, const std::string& name)
{
  const std::string golden = slurp(fs::path(VORN_TEST_DATA_DIR) / name);
  const std::string actual = fileBytes(report);
  if (actual != golden) {
    // Kept in the build folder for a look at the difference.
    std::ofstream(name + ".actual", std::ios::binary) << actual;
  }
  ASSERT_FALSE(golden.empty()) << name;
  const auto expectedLines = splitCrLf(golden);
  const auto actualLines = splitCrLf(actual);
  EXPECT_EQ(actualLines.size(), expectedLines.size()) << "line count of " << name;
  for (std::size_t k = 0; k < std::min(actualLines.size(), expectedLines.size()); ++k) {
    EXPECT_EQ(fromWindows1256(actualLines[k]), fromWindows1256(expectedLines[k]))
        << name << " line " << k + 1;
  }
  EXPECT_TRUE(actual == golden) << name << " differs byte for byte";
}

TEST_F(ReportComposer, RegularBuildingWithEveryTableMatchesItsGoldenReport)
{
  test::describeRegularBuilding(*s);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  for (int k = 1; k <= 10; ++k) {
    ASSERT_TRUE(p().form27.Check[k].enabled) << "table " << k << " offered by its run";
  }
  test::tickEverything(*s, "report.txt");
  expectGolden(composeReport(p()), "report_regular.txt");
}

TEST_F(ReportComposer, IrregularBuildingWithEveryTableMatchesItsGoldenReport)
{
  test::describeIrregularBuilding(*s);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  for (int k = 1; k <= 10; ++k) {
    ASSERT_TRUE(p().form27.Check[k].enabled) << "table " << k << " offered by its run";
  }
  test::tickEverything(*s, "report.txt");
  expectGolden(composeReport(p()), "report_irregular.txt");
}

}  // namespace
}  // namespace vorn
