// The workbook as a spreadsheet program reads it back: the sheets and their names, numbers as
// numbers, right to left, the frozen header, widths from the content, and a file that is replaced
// only once complete.
#include "workbook/workbook.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "temp_folder.h"
#include "workbook_dump.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::size_t characters(const std::string& text)
{
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string trimmed(const std::string& text)
{
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::string contentOf(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

NoteTable forcesTable()
{
  NoteTable t;
  t.title = "نيروي طبقات";
  t.sheet = "Forces";
  t.columns = {{"طبقه", ""},
               {"Story force", "kg"},
               {"نتيجه", ""},
               {"Overturning moment of stories", ""},
               {"Note", ""}};
  t.rows = {{" 2", " 1234.5", "قابل قبول", " .35", "a"},
            {" 1", " -", "NOT OK", "1E-05", "b"},
            {" 0", "-12", "OK", " 12", std::string(120, 'x')}};
  return t;
}

NoteDocument sampleNote()
{
  NoteDocument note;
  note.title.projectTitle = "Tower";
  note.program = "VORN 1.0.0";

  NoteSection site;
  site.table = 1;
  site.heading = "مشخصات ساختگاه";
  site.facts = {
      {"A", " .35"},      {"Soil", "III"},        {"A whole statement", ""},   {"H", "16.5 m"},
      {"W", "970423 kg"}, {"Trees", "12 apples"}, {"Safety", "7.14>1.75 , ok"}};
  NoteSection forces;
  forces.table = 5;
  forces.heading = "Forces";
  forces.tables = {forcesTable()};
  NoteSection stopped;
  stopped.table = 6;
  stopped.heading = "Torsion";
  stopped.stopMessage = "The torsion run stopped";
  NoteSection spectrum;
  spectrum.table = 10;
  spectrum.heading = "Spectrum";
  NoteTable periods;
  periods.sheet = "Spectrum";
  periods.keyColumn = false;
  periods.columns = {{"T", "s"}, {"B", ""}};
  periods.rows = {{" .1", " 2.5"}, {" .2", " 2.5"}};
  spectrum.tables = {periods};
  note.sections = {site, forces, stopped, spectrum};
  return note;
}

class Workbook : public ::testing::Test {
protected:
  std::vector<test::DumpedSheet> write(const NoteDocument& note)
  {
    const auto problem = writeWorkbook(note, path.string());
    EXPECT_EQ(problem, std::nullopt);
    return test::readWorkbook(path.string());
  }
  std::vector<std::string> leftBeside() const
  {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempFolder temp{"vorn-workbook"};
  const fs::path path = temp.path() / "note.xlsx";
};

TEST_F(Workbook, TheInputsSheetHoldsTheTitleTheFactsAndTheStopMessages)
{
  const auto sheets = write(sampleNote());
  ASSERT_EQ(sheets.size(), 3u);  // the stopped section has no sheet
  const test::DumpedSheet& inputs = sheets[0];
  EXPECT_EQ(inputs.name, note_texts::inputsSheet);
  EXPECT_TRUE(inputs.rightToLeft);

  const int title = inputs.rowOf(note_texts::projectTitle);
  ASSERT_GT(title, 0);
  EXPECT_EQ(inputs.at("B" + std::to_string(title)).value, "Tower");

  const int site = inputs.rowOf("مشخصات ساختگاه");
  ASSERT_GT(site, title);
  EXPECT_TRUE(inputs.at("A" + std::to_string(site)).bold);
  const auto a = inputs.at("B" + std::to_string(site + 1));
  EXPECT_EQ(inputs.at("A" + std::to_string(site + 1)).value, "A");
  EXPECT_EQ(a.type, "n");
  EXPECT_EQ(test::numberIn(a.value), 0.35);
  EXPECT_EQ(inputs.at("B" + std::to_string(site + 2)).type, "s");
  EXPECT_EQ(inputs.at("B" + std::to_string(site + 2)).value, "III");
  EXPECT_EQ(inputs.at("A" + std::to_string(site + 3)).value, "A whole statement");
  EXPECT_EQ(inputs.at("B" + std::to_string(site + 3)).type, "");

  // A number with its unit: the number apart, so that it can be calculated with.
  const auto at = [&](const char* column, int row) {
    return inputs.at(column + std::to_string(row));
  };
  EXPECT_EQ(at("B", site + 4).type, "n");
  EXPECT_EQ(test::numberIn(at("B", site + 4).value), 16.5);
  EXPECT_EQ(at("C", site + 4).value, "m");
  EXPECT_EQ(test::numberIn(at("B", site + 5).value), 970423);
  EXPECT_EQ(at("C", site + 5).value, "kg");
  for (int row : {site + 6, site + 7}) {  // not a unit, not a number
    EXPECT_EQ(at("B", row).type, "s");
    EXPECT_EQ(at("C", row).type, "");
  }
  EXPECT_EQ(at("B", site + 6).value, "12 apples");

  const int torsion = inputs.rowOf("Torsion");
  ASSERT_GT(torsion, site);
  EXPECT_EQ(inputs.at("A" + std::to_string(torsion + 1)).value, "The torsion run stopped");
  // Only sections with something of their own to say appear: the tables have their sheets.
  EXPECT_EQ(inputs.rowOf("Forces"), 0);
  EXPECT_EQ(inputs.rowOf("Spectrum"), 0);
  EXPECT_EQ(inputs.widths.count(1) + inputs.widths.count(2), 2u);
}

TEST_F(Workbook, ATableSheetHoldsNumbersAsNumbersUnderAFrozenHeader)
{
  const auto sheets = write(sampleNote());
  ASSERT_EQ(sheets.size(), 3u);
  const test::DumpedSheet& forces = sheets[1];
  const NoteTable table = forcesTable();
  EXPECT_EQ(forces.name, "Forces");
  EXPECT_TRUE(forces.rightToLeft);
  EXPECT_EQ(forces.at("A1").value, table.title);
  EXPECT_TRUE(forces.at("A1").bold);
  // The header row under the title, the story column beside it frozen.
  EXPECT_EQ(forces.freeze, "B3");
  const std::vector<std::string> headers = {"طبقه", "Story force (kg)", "نتيجه",
                                            "Overturning moment of stories", "Note"};
  for (std::size_t c = 0; c < headers.size(); ++c) {
    const auto& header = forces.at(std::string(1, char('A' + c)) + "2");
    EXPECT_EQ(header.value, headers[c]);
    EXPECT_TRUE(header.bold && header.wrap && header.border) << headers[c];
  }
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const std::string& text = table.rows[r][c];
      const auto& cell = forces.at(std::string(1, char('A' + c)) + std::to_string(r + 3));
      double number = 0;
      if (cellNumber(text, number)) {
        EXPECT_EQ(cell.type, "n") << text;
        EXPECT_EQ(test::numberIn(cell.value), number) << text;
      } else {
        EXPECT_EQ(cell.type, "s") << text;
        EXPECT_EQ(cell.value, trimmed(text));
      }
    }
  }
  EXPECT_EQ(forces.at("B4").value, "-");  // the padded " -" is a text, trimmed

  // Widths: the longest cell, a header by its longest word, a long text capped.
  ASSERT_EQ(forces.widths.size(), 5u);
  EXPECT_GE(forces.widths.at(2), characters("1234.5"));
  EXPECT_GE(forces.widths.at(3), characters("قابل قبول"));
  EXPECT_LT(forces.widths.at(1), forces.widths.at(3));
  EXPECT_GE(forces.widths.at(4), characters("Overturning"));
  EXPECT_LT(forces.widths.at(4), characters("Overturning moment of stories"));
  EXPECT_GE(forces.widths.at(5), 20);
  EXPECT_LE(forces.widths.at(5), 60);

  // A table without a title and without a key column: the header is the first row.
  const test::DumpedSheet& spectrum = sheets[2];
  EXPECT_EQ(spectrum.name, "Spectrum");
  EXPECT_TRUE(spectrum.rightToLeft);
  EXPECT_EQ(spectrum.freeze, "A2");
  EXPECT_EQ(spectrum.at("A1").value, "T (s)");
  EXPECT_EQ(spectrum.at("A2").type, "n");
  EXPECT_EQ(test::numberIn(spectrum.at("A2").value), 0.1);
}

TEST_F(Workbook, SheetNamesAreMadeValidAndUnique)
{
  std::string persian40;
  for (int k = 0; k < 40; ++k) {
    persian40 += "ج";
  }
  NoteDocument note;
  NoteSection section;
  section.heading = "tables";
  for (const std::string& sheet :
       {persian40, persian40, std::string("a[b]c:d*e?f/g\\h"), std::string("Forces"),
        std::string("FORCES"), std::string(note_texts::inputsSheet), std::string(""),
        std::string("'quoted'"), std::string("History"), std::string("bad \xff\xC3")}) {
    NoteTable t;
    t.sheet = sheet;
    t.columns = {{"n", ""}};
    t.rows = {{" 1"}};
    section.tables.push_back(t);
  }
  note.sections = {section};
  const auto sheets = write(note);
  ASSERT_EQ(sheets.size(), 11u);
  std::set<std::string> seen;
  for (const auto& sheet : sheets) {
    std::string lower = sheet.name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_TRUE(seen.insert(lower).second) << sheet.name << " twice";
    EXPECT_FALSE(sheet.name.empty());
    EXPECT_LE(characters(sheet.name), 31u) << sheet.name;
    EXPECT_EQ(sheet.name.find_first_of("[]:*?/\\"), std::string::npos) << sheet.name;
    EXPECT_NE(sheet.name.front(), '\'');
    EXPECT_NE(sheet.name.back(), '\'');
    EXPECT_NE(lower, "history");
  }
  EXPECT_EQ(sheets[1].name, persian40.substr(0, 31 * std::string("ج").size()));
  EXPECT_EQ(sheets[3].name, "abcdefgh");
  EXPECT_EQ(sheets[4].name, "Forces");
  EXPECT_EQ(sheets[5].name, "FORCES (2)");
  EXPECT_EQ(sheets[6].name, std::string(note_texts::inputsSheet) + " (2)");
  EXPECT_EQ(sheets[8].name, "quoted");
  EXPECT_EQ(sheets[10].name, "bad \uFFFD\uFFFD");
}

TEST_F(Workbook, TextsThatAreNoValidUtf8StillGiveAReadableFile)
{
  NoteDocument note;
  NoteSection section;
  section.heading = "broken \xC3";
  section.facts = {{"label \xE2\x82", "value \xff"}, {"overlong \xC0\xAF", " 1.5"}};
  note.sections = {section};
  const auto sheets = write(note);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_GT(sheets[0].rowOf("broken \uFFFD"), 0);
  const int row = sheets[0].rowOf("label \uFFFD");
  ASSERT_GT(row, 0);
  EXPECT_EQ(sheets[0].at("B" + std::to_string(row)).value, "value \uFFFD");
  EXPECT_GT(sheets[0].rowOf("overlong \uFFFD\uFFFD"), 0);
}

// The user's locale writes a decimal comma in the C library's own conversions, which the file's
// numbers must never take.
class WorkbookUnderUserLocale : public Workbook, public ::testing::WithParamInterface<const char*> {
protected:
  void SetUp() override
  {
    setenv("LOCPATH", VORN_TEST_LOCALE_DIR, 1);
    ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << "cannot load " << GetParam();
  }
  void TearDown() override
  {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }
};

TEST_P(WorkbookUnderUserLocale, NumbersKeepTheirValue)
{
  char before[32];
  std::snprintf(before, sizeof before, "%.2f", 0.35);
  NoteDocument note;
  NoteSection section;
  section.heading = "numbers";
  section.facts = {{"a", " 1234.5"}, {"b", " .35"}, {"c", "-1.25E-03"}};
  note.sections = {section};
  const auto sheets = write(note);
  ASSERT_EQ(sheets.size(), 1u);
  const int row = sheets[0].rowOf("a");
  ASSERT_GT(row, 0);
  const std::vector<double> expected = {1234.5, 0.35, -0.00125};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const auto& cell = sheets[0].at("B" + std::to_string(row + static_cast<int>(k)));
    EXPECT_EQ(cell.type, "n");
    EXPECT_EQ(test::numberIn(cell.value), expected[k]);
  }
  // The user's own conversions are as they were.
  char after[32];
  std::snprintf(after, sizeof after, "%.2f", 0.35);
  EXPECT_STREQ(before, after);
}

INSTANTIATE_TEST_SUITE_P(Locales, WorkbookUnderUserLocale,
                         ::testing::Values("de_DE.UTF-8", "fa_IR.UTF-8"));

TEST_F(Workbook, AWriteProtectedFileOrAFolderIsRefusedAndLeftAsItWas)
{
  std::ofstream(path) << "old";
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  const auto refused = writeWorkbook(sampleNote(), path.string());
  ASSERT_TRUE(refused.has_value());
  EXPECT_FALSE(refused->empty());
  EXPECT_EQ(contentOf(path), "old");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read);

  const fs::path folder = temp.path() / "folder.xlsx";
  fs::create_directory(folder);
  EXPECT_TRUE(writeWorkbook(sampleNote(), folder.string()).has_value());
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(leftBeside(), (std::vector<std::string>{"folder.xlsx", "note.xlsx"}));
}

TEST_F(Workbook, ASymbolicLinkIsFollowedAndKept)
{
  const fs::path real = temp.path() / "real.xlsx";
  const fs::path link = temp.path() / "link.xlsx";
  std::ofstream(real) << "old";
  fs::create_symlink(real.filename(), link);
  ASSERT_EQ(writeWorkbook(sampleNote(), link.string()), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(link));
  const auto sheets = test::readWorkbook(real.string());
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(sheets[1].name, "Forces");
  EXPECT_EQ(leftBeside(), (std::vector<std::string>{"link.xlsx", "real.xlsx"}));
}

// A disk that takes no more than a few bytes: the library's writing fails half way.
TEST_F(Workbook, AFailedWriteGivesTheReasonAndLeavesNoTemporaryFile)
{
  std::ofstream(path) << "old";
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeEnds[0]);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{512, 512};
    setrlimit(RLIMIT_FSIZE, &small);
    const auto problem = writeWorkbook(sampleNote(), path.string());
    const std::string said = problem ? "failed: " + *problem : "written";
    [[maybe_unused]] const auto n = ::write(pipeEnds[1], said.data(), said.size());
    _exit(0);
  }
  close(pipeEnds[1]);
  std::string said;
  char buffer[256];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    said.append(buffer, static_cast<std::size_t>(n));
  }
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_TRUE(said.starts_with("failed: ")) << said;
  EXPECT_NE(said.find(std::strerror(EFBIG)), std::string::npos) << said;  // why, not only where
  EXPECT_EQ(contentOf(path), "old");
  EXPECT_EQ(leftBeside(), std::vector<std::string>{"note.xlsx"});
}

}  // namespace
}  // namespace vorn
