// The workbook as a spreadsheet program reads it back, and a file replaced only once complete.
#include "workbook/workbook.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

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

NoteDocument sampleNote()
{
  NoteTable forces{"نيروي طبقات", "Forces", {}, {}, true};
  forces.columns = {{"طبقه", ""}, {"Story force", "kg"}, {"نتيجه", ""}, {"Overturning moment", ""}};
  forces.rows = {{" 2", " 1234.5", "قابل قبول", " .35"},
                 {" 1", " -", std::string(120, 'x'), "1E-05"}};
  NoteTable periods{"", "Spectrum", {{"T", "s"}, {"B", ""}}, {{" .1", " 2.5"}}, false};
  NoteDocument note;
  note.title.projectTitle = "Tower";
  note.sections.resize(3);
  note.sections[0].heading = "مشخصات ساختگاه";
  note.sections[0].facts = {{"A", " .35"},   {"Soil", "III"},        {"A statement", ""},
                            {"H", "16.5 m"}, {"Trees", "12 apples"}, {"bad \xE2\x82", "x"}};
  note.sections[0].tables = {forces, periods};
  note.sections[1].heading = "Torsion";
  note.sections[1].stopMessage = "The torsion run stopped";
  note.sections[1].tables = {forces};  // never shown: the run stopped
  return note;
}

class Workbook : public ::testing::Test {
protected:
  std::vector<std::string> folderHolds() const
  {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  test::TempFolder temp{"vorn-workbook"};
  const std::string path = temp.file("note.xlsx");
};

// Written under a locale with a decimal comma, which the file's numbers must not take.
TEST_F(Workbook, FactsAndTablesAsSheetsWithNumbersAsNumbers)
{
  setenv("LOCPATH", VORN_TEST_LOCALE_DIR, 1);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  const auto problem = writeWorkbook(sampleNote(), path);
  char comma[8];
  std::snprintf(comma, sizeof comma, "%.1f", 1.5);
  std::setlocale(LC_ALL, "C");
  EXPECT_STREQ(comma, "1,5");  // the user's locale is as it was
  ASSERT_EQ(problem, std::nullopt);
  const auto sheets = test::readWorkbook(path);
  ASSERT_EQ(sheets.size(), 3u);

  const test::DumpedSheet& in = sheets[0];
  EXPECT_EQ(in.name, note_texts::inputsSheet);
  EXPECT_EQ(in["B" + std::to_string(in.rowOf(note_texts::projectTitle))], "s Tower");
  const int site = in.rowOf("مشخصات ساختگاه");
  ASSERT_GT(site, 0);
  EXPECT_EQ(in["style A" + std::to_string(site)], "True False False");
  const auto b = [&](int below) { return in["B" + std::to_string(site + below)]; };
  EXPECT_EQ(test::numberIn(b(1)), 0.35);
  EXPECT_EQ(b(2), "s III");
  EXPECT_EQ(b(3), "");  // a statement stands alone
  EXPECT_EQ(test::numberIn(b(4)), 16.5);
  EXPECT_EQ(in["C" + std::to_string(site + 4)], "s m");
  EXPECT_EQ(b(5), "s 12 apples");
  EXPECT_GT(in.rowOf("bad \uFFFD"), 0);  // no valid UTF-8, still a readable file
  EXPECT_EQ(in["A" + std::to_string(in.rowOf("Torsion") + 1)], "s The torsion run stopped");
  EXPECT_NE(in["width A"], "");

  const test::DumpedSheet& forces = sheets[1];
  EXPECT_EQ(forces.name, "Forces");
  EXPECT_EQ(forces["A1"], "s نيروي طبقات");
  EXPECT_EQ(forces["B2"], "s Story force (kg)");
  EXPECT_EQ(forces["style B2"], "True True True");
  EXPECT_EQ(forces["freeze"], "B3");  // the title and the header, the story column
  EXPECT_EQ(test::numberIn(forces["A3"]), 2);
  EXPECT_EQ(test::numberIn(forces["B3"]), 1234.5);
  EXPECT_EQ(test::numberIn(forces["D3"]), 0.35);
  EXPECT_EQ(forces["B4"], "s -");
  EXPECT_EQ(forces["C3"], "s قابل قبول");
  // Widths: the longest cell, a header by its longest word, a long text capped.
  const auto width = [&](const char* column) {
    return std::stod(forces[std::string("width ") + column]);
  };
  EXPECT_GE(width("C"), characters("قابل قبول"));
  EXPECT_LT(width("A"), width("C"));
  EXPECT_GE(width("D"), characters("Overturning"));
  EXPECT_LT(width("D"), characters("Overturning moment"));
  EXPECT_LE(width("C"), 60);

  const test::DumpedSheet& spectrum = sheets[2];  // no title, no key column
  EXPECT_EQ(spectrum["A1"], "s T (s)");
  EXPECT_EQ(spectrum["freeze"], "A2");
  for (const auto& sheet : sheets) {
    EXPECT_EQ(sheet["rtl"], "True") << sheet.name;
  }
}

TEST_F(Workbook, SheetNamesAreMadeValidAndUnique)
{
  std::string jim40;  // 40 Persian letters of two bytes each
  for (int k = 0; k < 40; ++k) {
    jim40 += "ج";
  }
  NoteDocument note;
  note.sections.resize(1);
  for (const std::string& sheet :
       {jim40, jim40, std::string("a[b]c:d*e?f/g\\h"), std::string("x"), std::string("X"),
        std::string(note_texts::inputsSheet), std::string(""), std::string("'quoted'"),
        std::string("History"), std::string("bad \xff\xC3")}) {
    note.sections[0].tables.push_back({"", sheet, {{"n", ""}}, {{" 1"}}, true});
  }
  ASSERT_EQ(writeWorkbook(note, path), std::nullopt);
  std::vector<std::string> names;
  for (const auto& sheet : test::readWorkbook(path)) {
    names.push_back(sheet.name);
  }
  const std::vector<std::string> expected = {note_texts::inputsSheet,
                                             jim40.substr(0, 62),
                                             jim40.substr(0, 54) + " (2)",
                                             "abcdefgh",
                                             "x",
                                             "X (2)",
                                             std::string(note_texts::inputsSheet) + " (2)",
                                             "8",
                                             "quoted",
                                             "History (2)",
                                             "bad \uFFFD\uFFFD"};
  EXPECT_EQ(names, expected);
}

TEST_F(Workbook, ProtectedFilesAndFoldersAreRefusedALinkIsFollowed)
{
  std::ofstream(path) << "old";
  fs::permissions(path, fs::perms::owner_read);
  EXPECT_TRUE(writeWorkbook(sampleNote(), path).has_value());
  EXPECT_TRUE(std::ifstream(path).get() == 'o' && fs::file_size(path) == 3);
  fs::create_directory(temp.file("folder.xlsx"));
  EXPECT_TRUE(writeWorkbook(sampleNote(), temp.file("folder.xlsx")).has_value());
  EXPECT_TRUE(fs::is_empty(temp.file("folder.xlsx")));

  fs::create_symlink("real.xlsx", temp.file("link.xlsx"));
  std::ofstream(temp.file("real.xlsx")) << "old";
  ASSERT_EQ(writeWorkbook(sampleNote(), temp.file("link.xlsx")), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(temp.file("link.xlsx")));
  EXPECT_EQ(test::readWorkbook(temp.file("real.xlsx")).size(), 3u);
  EXPECT_EQ(folderHolds(),
            (std::vector<std::string>{"folder.xlsx", "link.xlsx", "note.xlsx", "real.xlsx"}));
}

// A disk that takes no file beyond 512 bytes: the library fails half way, in a child process.
TEST_F(Workbook, AFailedWriteGivesTheReasonAndLeavesNoTemporaryFile)
{
  std::ofstream(path) << "old";
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{512, 512};
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string said = writeWorkbook(sampleNote(), path).value_or("written");
    _exit(::write(ends[1], said.data(), said.size()) > 0 ? 0 : 1);
  }
  close(ends[1]);
  char said[512] = {};
  [[maybe_unused]] const ssize_t n = read(ends[0], said, sizeof said - 1);
  close(ends[0]);
  waitpid(child, nullptr, 0);
  EXPECT_NE(std::strstr(said, std::strerror(EFBIG)), nullptr) << said;  // why, not only where
  EXPECT_EQ(fs::file_size(path), 3u);
  EXPECT_EQ(folderHolds(), std::vector<std::string>{"note.xlsx"});
}

}  // namespace
}  // namespace vorn
