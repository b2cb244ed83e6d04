#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "windows/files/form26_file_dialog.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> crlfLines(const std::string& bytes)
{
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2) {
    lines.push_back(bytes.substr(from, at - from));
  }
  EXPECT_EQ(from, bytes.size()) << "every line, the last one too, ends in CR LF";
  return lines;
}

// A new project saved at once, through Save As, matches the file kept in tests/data byte for
// byte. Its lines were checked by hand: 1-7 and 14 " True" (the six input steps, About and the
// spectrum), 8-13 and 15-17 " False", 19 " True" (A from the city), 21 "6" and 22 "1" (Tehran
// in its province), 23 "-1" (no A chosen directly), 24 "A=0.35", 25 " .35", 34-38 plain "1", "6",
// "6", "10", "10", each story block padded zeros and " False" flags with values 70 and 71 " 1".
TEST(GoldenProjectFile, NewProjectSavedAtOnce)
{
  const std::string written = [] {
    const test::TempFolder folder("vorn-golden", test::FolderUse::AsCurrentFolder);
    test::ScriptedPrompter prompter;
    Session s(prompter);
    s.form26.Text1_Change("NEW");
    s.form26.MENSAVEAS_Click();
    s.form26.OK_Click();
    EXPECT_TRUE(prompter.shown().empty());
    return slurp(folder.path() / "NEW.EQ");
  }();

  const std::string golden = slurp(fs::path(VORN_TEST_DATA_DIR) / "new_project.EQ");
  const auto writtenLines = crlfLines(written);
  const auto goldenLines = crlfLines(golden);
  ASSERT_EQ(goldenLines.size(), 15765u);
  ASSERT_EQ(writtenLines.size(), goldenLines.size());
  for (std::size_t k = 0; k < goldenLines.size(); ++k) {
    ASSERT_EQ(writtenLines[k], goldenLines[k]) << "line " << k + 1;
  }
  EXPECT_EQ(written, golden);
}

}  // namespace
}  // namespace vorn
