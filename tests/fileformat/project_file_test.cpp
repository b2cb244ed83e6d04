#include "fileformat/project_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "fileformat/file_calls.h"
#include "fileformat/file_texts.h"
#include "fileformat/project_file_layout.h"
#include "fileformat/project_file_reader.h"
#include "model/number_text.h"
#include "ordinary_user.h"
#include "temp_folder.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// Line number of value k of story s, and of trailing line Tn.
int storyLine(int s, int k)
{
  return kLeadingLines + kStoryBlockLines * (s - 1) + k;
}
int trailingLine(int n)
{
  return kLeadingLines + kStoryBlockLines * kMaxStories + n;
}

std::string slurp(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spit(const std::string& path, const std::string& bytes)
{
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
  std::string s;
  for (const auto& l : lines) {
    s += l + "\r\n";
  }
  return s;
}

TEST(ProjectFileLines, NewProjectHasTheKnownKeyLines)
{
  auto p = std::make_unique<Project>();
  p->ButtonState[1] = p->ButtonState[2] = p->ButtonState[3] = true;
  p->ButtonState[4] = p->ButtonState[5] = p->ButtonState[6] = p->ButtonState[14] = true;
  const auto lines = projectFileLines(*p);
  ASSERT_EQ(lines.size(), 15765u);
  auto line = [&](int n) { return lines.at(static_cast<std::size_t>(n - 1)); };
  for (int n : {1, 2, 3, 4, 5, 6, 14}) {
    EXPECT_EQ(line(n), " True") << "line " << n;
  }
  for (int n : {8, 9, 10, 11, 12, 13, 15, 16, 17}) {
    EXPECT_EQ(line(n), " False") << "line " << n;
  }
  EXPECT_EQ(line(18), " 0");
  EXPECT_EQ(line(19), " True");
  EXPECT_EQ(line(20), " False");
  EXPECT_EQ(line(21), "6");
  EXPECT_EQ(line(24), "A=0.35");
  EXPECT_EQ(line(25), " .35");
  EXPECT_EQ(line(26), " True");  // soil type 1
  EXPECT_EQ(line(31), " True");  // I = 1.0
  EXPECT_EQ(line(34), "1");      // plain numbers: i, R, systems
  EXPECT_EQ(line(35), "6");
  EXPECT_EQ(line(37), "10");
  EXPECT_EQ(line(39), "False");
  EXPECT_EQ(line(42), " 1");
  EXPECT_EQ(line(46), " 1");  // the analytical period box "1.0" is kept as its number
  EXPECT_EQ(line(48), " 3");
  EXPECT_EQ(line(49), " 1");
  EXPECT_EQ(line(52), " True");
  EXPECT_EQ(line(53), " False");
  EXPECT_EQ(line(54), "100");
  EXPECT_EQ(line(66), "0.6");
  EXPECT_EQ(line(67), "True");
  EXPECT_EQ(line(68), "False");
  EXPECT_EQ(line(78), "0.1");
  EXPECT_EQ(line(82), "1.5");
  for (int s : {1, 100, 200}) {
    for (int k = 1; k <= kStoryBlockLines; ++k) {
      const std::string expected = (k == 70 || k == 71)                         ? " 1"
                                   : (k == 11 || k == 40 || k == 54 || k == 63) ? " False"
                                                                                : " 0";
      ASSERT_EQ(line(storyLine(s, k)), expected) << "story " << s << " value " << k;
    }
  }
  EXPECT_EQ(line(trailingLine(1)), " False");
  EXPECT_EQ(line(trailingLine(36)), " 50");
  EXPECT_EQ(line(trailingLine(39)), "True");  // table 1 can be chosen
  EXPECT_EQ(line(trailingLine(40)), "False");
  EXPECT_EQ(line(trailingLine(50)), "");
  EXPECT_EQ(line(trailingLine(57)), " .1");
  EXPECT_EQ(line(trailingLine(58)), " .4");
  EXPECT_EQ(line(trailingLine(61)), " 1.5");
  EXPECT_EQ(line(trailingLine(72)), "True");  // "print to text file" can be chosen
  EXPECT_EQ(line(trailingLine(83)), " 0");
}

TEST(ProjectFileLines, StoryValuesLandOnTheirLines)
{
  auto p = std::make_unique<Project>();
  p->AR[7] = 120.5;
  p->HS[7] = 3.2;
  p->storySnapshot.STORYSET[7] = true;
  p->LevelHeight[7] = 21.4;
  p->torsionSnapshot.DIMy[7] = 18;
  p->CMSET[7] = true;
  p->torsionSnapshot.CMSET[7] = -1;
  p->reserved[5][7] = 4;
  p->VSTORYy[7] = -2500;
  p->MOx = 123456.78;
  const auto lines = projectFileLines(*p);
  auto line = [&](int n) { return lines.at(static_cast<std::size_t>(n - 1)); };
  EXPECT_EQ(line(storyLine(7, 1)), " 120.5");
  EXPECT_EQ(line(storyLine(7, 10)), " 3.2");
  EXPECT_EQ(line(storyLine(7, 22)), "-1");
  EXPECT_EQ(line(storyLine(7, 24)), " 21.4");
  EXPECT_EQ(line(storyLine(7, 39)), " 18");
  EXPECT_EQ(line(storyLine(7, 40)), " True");
  EXPECT_EQ(line(storyLine(7, 41)), "-1");
  EXPECT_EQ(line(storyLine(7, 69)), " 4");
  EXPECT_EQ(line(storyLine(7, 78)), "-2500");
  EXPECT_EQ(line(storyLine(6, 78)), " 0");
  EXPECT_EQ(line(trailingLine(22)), " 123456.78");
}

TEST(FlagReading, TruthWordsAndNumbers)
{
  EXPECT_EQ(readFlagD(" True"), true);
  EXPECT_EQ(readFlagD("FALSE"), false);
  EXPECT_EQ(readFlagD("  true  "), true);
  EXPECT_EQ(readFlagD("-1"), true);
  EXPECT_EQ(readFlagD(" 0"), false);
  EXPECT_EQ(readFlagD("2.5"), true);
  EXPECT_EQ(readFlagD("yes"), std::nullopt);
  EXPECT_EQ(readFlagD(""), std::nullopt);
  EXPECT_EQ(readFlagD("1x"), std::nullopt);
  EXPECT_EQ(readFlagD("."), std::nullopt);
  EXPECT_TRUE(readFlagA(" True"));
  EXPECT_FALSE(readFlagA("True"));
  EXPECT_FALSE(readFlagA(" true"));
  EXPECT_TRUE(readFlagB("True"));
  EXPECT_FALSE(readFlagB(" True"));
  EXPECT_EQ(readCheckC(" 1"), 1);
  EXPECT_EQ(readCheckC("1"), 0);
  EXPECT_EQ(readWholeF(" 2.5"), 2);
  EXPECT_EQ(readWholeF("abc"), 0);
}

class ProjectFileOnDisk : public ::testing::Test {
protected:
  test::TempFolder dir{"vorn-file"};
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(ProjectFileOnDisk, WrittenAsWindows1256WithCrLfAfterEveryLine)
{
  project->form27.Text1.text = "گزارش.txt";  // Persian letters that the code page holds
  const std::string path = dir.file("P.EQ");
  ASSERT_EQ(writeProjectFile(*project, path), std::nullopt);
  const std::string bytes = slurp(path);
  EXPECT_EQ(bytes.substr(0, 7), " False\r");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  std::size_t lineEnds = 0;
  for (std::size_t k = 0; k + 1 < bytes.size(); ++k) {
    lineEnds += bytes[k] == '\r' && bytes[k + 1] == '\n';
  }
  EXPECT_EQ(lineEnds, 15765u);
  EXPECT_NE(bytes.find("\x90\xD2\xC7\xD1\xD4.txt\r\n"), std::string::npos);  // گزارش in 1256
  const auto read = readProjectFile(path);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.lines, projectFileLines(*project));
}

TEST_F(ProjectFileOnDisk, TextTheCodePageCannotHoldRefusesTheSaveAndKeepsTheOldFile)
{
  const std::string path = dir.file("P.EQ");
  spit(path, "old contents");
  project->form27.Text1.text = "گزارش نهایی.txt";  // Persian yeh U+06CC has no place in 1256
  const auto error = writeProjectFile(*project, path);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("P.EQ"), std::string::npos);
  EXPECT_EQ(slurp(path), "old contents");
}

TEST_F(ProjectFileOnDisk, FailedWriteLeavesTheOldFileWholeAndNoLeftovers)
{
  if (geteuid() == 0) {
    // root writes into read-only folders; a full device stands in for the failure
    ASSERT_TRUE(fs::exists("/dev/full"));
    const auto error = writeProjectFile(*project, "/dev/full/P.EQ");
    EXPECT_TRUE(error.has_value());
    return;
  }
  const std::string path = dir.file("P.EQ");
  spit(path, "old contents");
  fs::permissions(fs::path(path).parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
  const auto error = writeProjectFile(*project, path);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(slurp(path), "old contents");
}

TEST_F(ProjectFileOnDisk, SavingOverAnOldFileReplacesItWhole)
{
  const std::string path = dir.file("P.EQ");
  spit(path, std::string(2'000'000, 'x'));
  ASSERT_EQ(writeProjectFile(*project, path), std::nullopt);
  EXPECT_EQ(slurp(path), joinCrLf(projectFileLines(*project)));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(fs::path(path).parent_path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1) << "no temporary file stays behind";
}

struct BadFile {
  const char* name;
  std::function<std::string(std::vector<std::string>)> bytes;  // from good lines
  const char* problemWord;                                     // a word the message must hold
};

TEST_F(ProjectFileOnDisk, FilesThatAreNotProjectFilesAreRefusedWithTheirProblem)
{
  const auto good = projectFileLines(*project);
  const std::vector<BadFile> cases = {
      {"empty", [](auto) { return std::string(); }, "خالي"},
      {"one line short",
       [](auto l) {
         l.pop_back();
         return joinCrLf(l);
       },
       "15764"},
      {"one line more",
       [](auto l) {
         l.push_back(" 0");
         return joinCrLf(l);
       },
       "15766"},
      {"soil option not a truth word",
       [](auto l) {
         l[26] = "maybe";
         return joinCrLf(l);
       },
       "سطر 27"},
      {"report choice empty",
       [](auto l) {
         l[15682 + 40 - 1] = "";
         return joinCrLf(l);
       },
       "سطر 15722"},
      {"NUL byte",
       [](auto l) {
         l[100] = " 1\0";
         l[100].push_back('\0');
         return joinCrLf(l);
       },
       "سطر 101"},
      {"story count beyond the tables",
       [](auto l) {
         l[48] = " 201";
         return joinCrLf(l);
       },
       "سطر 49"},
      {"story count zero",
       [](auto l) {
         l[48] = " 0";
         return joinCrLf(l);
       },
       "سطر 49"},
      {"story count not whole",
       [](auto l) {
         l[48] = " 2.5";
         return joinCrLf(l);
       },
       "سطر 49"},
      {"escape byte",
       [](auto l) {
         l[5] = "\x1b[0m";
         return joinCrLf(l);
       },
       "سطر 6"},
  };
  for (const auto& c : cases) {
    const std::string path = dir.file(std::string(c.name) + ".EQ");
    spit(path, c.bytes(good));
    const auto read = readProjectFile(path);
    ASSERT_FALSE(read.ok()) << c.name;
    EXPECT_NE(read.error.find(path), std::string::npos) << c.name << ": " << read.error;
    EXPECT_NE(read.error.find(c.problemWord), std::string::npos) << c.name << ": " << read.error;
    EXPECT_TRUE(read.lines.empty());
  }
}

TEST_F(ProjectFileOnDisk, DirectoriesMissingAndUnreadableFilesAreRefused)
{
  EXPECT_FALSE(readProjectFile(dir.file("")).ok());
  EXPECT_FALSE(readProjectFile(dir.file("missing.EQ")).ok());
  const std::string path = dir.file("locked.EQ");
  spit(path, joinCrLf(projectFileLines(*project)));
  fs::permissions(path, fs::perms::none);
  if (geteuid() != 0) {  // root reads whatever the permissions say
    const auto read = readProjectFile(path);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error.find(path), std::string::npos);
  }
}

// What a message quotes of a line of the file.
std::string quotedPart(const std::string& error)
{
  const auto open = error.rfind("ولي \"");
  const auto close = error.rfind("\" است");
  return open == std::string::npos || close == std::string::npos
             ? std::string()
             : error.substr(open + 8, close - open - 8);
}

TEST_F(ProjectFileOnDisk, AnOffendingLineIsQuotedOnlyInPart)
{
  auto lines = projectFileLines(*project);
  const std::string path = dir.file("long.EQ");

  // A story count of 15 MB.
  lines[48] = std::string(15'000'000, '7');
  spit(path, joinCrLf(lines));
  auto read = readProjectFile(path);
  ASSERT_FALSE(read.ok());
  EXPECT_LT(read.error.size(), 600u);
  EXPECT_EQ(quotedPart(read.error), std::string(80, '7') + "…");

  // A truth line of Persian letters (two bytes each in UTF-8), cut between letters.
  lines[48] = " 4";
  std::string persian;
  for (int k = 0; k < 100'000; ++k) {
    persian += "\xC7";  // alef in Windows-1256
  }
  lines[26] = persian;
  spit(path, joinCrLf(lines));
  read = readProjectFile(path);
  ASSERT_FALSE(read.ok());
  std::string alefs;
  for (int k = 0; k < 80; ++k) {
    alefs += "ا";
  }
  EXPECT_EQ(quotedPart(read.error), alefs + "…");

  // A short line is quoted whole.
  lines[26] = "maybe not";
  spit(path, joinCrLf(lines));
  EXPECT_EQ(quotedPart(readProjectFile(path).error), "maybe not");
}

TEST_F(ProjectFileOnDisk, WhatOpensSavesAFileThatOpensAgain)
{
  // A box may hold 32 767 characters, Persian ones included: saved and opened, they come back.
  std::string persian;
  for (int k = 0; k < 32767; ++k) {
    persian += "ش";
  }
  project->form10.Text[2].text = persian;  // line 54
  const std::string path = dir.file("box.EQ");
  ASSERT_EQ(writeProjectFile(*project, path), std::nullopt);
  auto read = readProjectFile(path);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.lines[53], persian);

  // A text longer than that is refused: opened, a file just under the size limit would save as
  // one over it (the runs write their results on the other lines), which would not open again.
  auto lines = projectFileLines(Project());
  std::size_t size = 0;
  for (const auto& line : lines) {
    size += line.size() + 2;
  }
  lines[53] = "220" + std::string(16u * 1024u * 1024u - 10u - size, ' ');
  spit(path, joinCrLf(lines));
  read = readProjectFile(path);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error.find("سطر 54"), std::string::npos) << read.error;
  EXPECT_NE(read.error.find("32767"), std::string::npos) << read.error;
}

TEST_F(ProjectFileOnDisk, SizeAndLineCountAreCheckedOnWhatIsRead)
{
  // 16 MiB of bare line feeds: refused by the count of its lines.
  const std::string feeds = dir.file("feeds.EQ");
  spit(feeds, std::string(16u * 1024u * 1024u, '\n'));
  auto read = readProjectFile(feeds);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error.find("16777216"), std::string::npos) << read.error;

  // A file that goes on growing while it is read (the size the file system reported was
  // small): reading stops just past the largest size a project file can have.
  static std::size_t given = 0;
  FileCalls calls = systemFileCalls();
  calls.read = [](int, void* buffer, std::size_t size) -> ssize_t {
    std::memset(buffer, ' ', size);
    given += size;
    return static_cast<ssize_t>(size);
  };
  const std::string small = dir.file("small.EQ");
  spit(small, joinCrLf(projectFileLines(*project)));
  {
    const FileCallsOverride endless(calls);
    read = readProjectFile(small);
  }
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error.find("بسيار بزرگ"), std::string::npos) << read.error;
  EXPECT_EQ(given, 16u * 1024u * 1024u + 1u);
}

TEST_F(ProjectFileOnDisk, OnlyAMissingFileIsCalledMissing)
{
  const std::string good = joinCrLf(projectFileLines(*project));
  auto read = readProjectFile(dir.file("missing.EQ"));
  EXPECT_TRUE(read.missing);
  fs::create_symlink("nowhere.EQ", dir.file("dangling.EQ"));
  EXPECT_TRUE(readProjectFile(dir.file("dangling.EQ")).missing);

  // Errors of what exists, or may exist, give the system's reason.
  fs::create_symlink("loop2.EQ", dir.file("loop1.EQ"));
  fs::create_symlink("loop1.EQ", dir.file("loop2.EQ"));
  const std::string tooLong = dir.file(std::string(5000, 'n') + ".EQ");
  const std::string io = dir.file("io.EQ");
  spit(io, good);
  const struct {
    std::string path;
    int error;
  } cases[] = {{dir.file("loop1.EQ"), ELOOP}, {tooLong, ENAMETOOLONG}, {io, EIO}};
  FileCalls calls = systemFileCalls();
  calls.read = [](int, void*, std::size_t) -> ssize_t {
    errno = EIO;
    return -1;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    const FileCallsOverride failingDisk(calls);
    read = readProjectFile(c.path);
    ASSERT_FALSE(read.ok());
    EXPECT_FALSE(read.missing);
    EXPECT_NE(read.error.find(std::strerror(c.error)), std::string::npos) << read.error;
    EXPECT_EQ(read.error.find("موجود نيست"), std::string::npos) << read.error;
  }

  // A folder the user may not search: its files cannot be told apart from missing ones by
  // looking, but the reason is not that they are missing.
  const fs::path locked = dir.path() / "locked";
  fs::create_directory(locked);
  spit((locked / "P.EQ").string(), good);
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions(locked, fs::perms::none);
  const std::string problem = test::asOrdinaryUser([&]() -> std::string {
    const auto r = readProjectFile((locked / "P.EQ").string());
    if (r.ok() || r.missing || r.error.find(std::strerror(EACCES)) == std::string::npos) {
      return "not refused for its permission: " + r.error;
    }
    return {};
  });
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(problem, "");
}

TEST_F(ProjectFileOnDisk, LineEndsOfOtherSystemsAndNonNumbersWhereNumbersBelong)
{
  auto lines = projectFileLines(*project);
  lines[50 - 1] = "abc";  // H1: non-numeric text reads as 0, as the format says
  std::string lf;
  for (const auto& l : lines) {
    lf += l + "\n";
  }
  const std::string path = dir.file("unix.EQ");
  spit(path, lf);
  const auto read = readProjectFile(path);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.lines[49], "abc");
}

// Records what reading sets off.
class RecordingEvents : public ReadEvents {
public:
  std::vector<std::string> seen;
  void check11Changed(int v) override { seen.push_back("check11=" + std::to_string(v)); }
  void siteOption1Selected() override { seen.push_back("option1"); }
  void siteOption2Selected() override { seen.push_back("option2"); }
  void provinceChosen() override { seen.push_back("province"); }
  void cityChosen() override { seen.push_back("city"); }
  void directAChosen() override { seen.push_back("directA"); }
  void structureCheck4Changed() override { seen.push_back("check4"); }
  void torsionOptionSelected(int k) override { seen.push_back("torsion" + std::to_string(k)); }
  void reportCheck11Changed() override { seen.push_back("report11"); }
};

TEST(ProjectFileReading, ValuesComeBackAndHandlersRunInFileOrder)
{
  auto saved = std::make_unique<Project>();
  saved->ButtonState.fill(true);
  saved->form1.Check11.value = 1;
  saved->form2.Option1.value = false;
  saved->form2.Option2.value = true;
  saved->form2.Combo3.index = 2;
  saved->form8.Check[4].value = 0;
  saved->Form8State[3] = true;
  saved->form14.Option1[0].value = false;
  saved->form14.Option1[1].value = true;
  saved->form27.Check[11].value = 1;
  saved->AR[200] = 77.25;
  saved->Tx = 0.55;
  saved->Hmax = 15;
  saved->form8.Text[1].text = "0.80";
  const auto lines = projectFileLines(*saved);

  auto opened = std::make_unique<Project>();
  RecordingEvents events;
  applyProjectLines(*opened, lines, events);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"check11=1", "option2", "directA", "check4",
                                                   "torsion1", "report11"}));
  for (int k = 1; k <= 16; ++k) {
    EXPECT_TRUE(opened->form1.Command[k].enabled) << "Command" << k;
  }
  EXPECT_TRUE(opened->form1.Check11.enabled);
  EXPECT_FALSE(opened->form2.Combo1.enabled);  // the province lists stay off without the option
  EXPECT_FALSE(opened->form2.Combo2.enabled);
  EXPECT_EQ(opened->form2.Combo3.index, 2);
  EXPECT_EQ(opened->form2.Combo1.index, 6) << "the province line is skipped";
  EXPECT_TRUE(opened->form8.Text[1].enabled);
  EXPECT_EQ(opened->form8.Text[1].text, " .8");  // the box shows the number the file kept
  EXPECT_EQ(opened->AR[200], 77.25);
  EXPECT_EQ(opened->Tx, 0.55);
  EXPECT_EQ(opened->Hmax, 15);
  EXPECT_EQ(projectFileLines(*opened), lines) << "reading then writing gives the same lines";
}

TEST(ProjectFileReading, ProvinceThenCityWhenTheCityOptionIsSaved)
{
  auto saved = std::make_unique<Project>();
  saved->form2.Combo1.index = 3;
  saved->form2.Combo2.index = 5;
  saved->form2.Combo3.index = 1;
  auto opened = std::make_unique<Project>();
  opened->form2.Combo3.index = 0;
  RecordingEvents events;
  applyProjectLines(*opened, projectFileLines(*saved), events);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"province", "city"}));
  EXPECT_EQ(opened->form2.Combo1.index, 3);
  EXPECT_EQ(opened->form2.Combo2.index, 5);
  EXPECT_EQ(opened->form2.Combo3.index, 0) << "the direct A line is skipped";
  EXPECT_FALSE(opened->form2.Combo3.enabled);
}

}  // namespace
}  // namespace vorn
