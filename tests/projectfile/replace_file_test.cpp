// Files are replaced whole: the new bytes under a temporary name first, then renamed over the old
// file, so that a failure leaves the old file and no stray temporary file.
#include "projectfile/replace_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vorn {
namespace {

namespace fs = std::filesystem;

class ReplaceFile : public ::testing::Test {
protected:
  ReplaceFile()
  {
    std::string pattern = (fs::temp_directory_path() / "vorn-replace-XXXXXX").string();
    folder = mkdtemp(pattern.data());
  }
  ~ReplaceFile() override { fs::remove_all(folder); }

  static std::string read(const fs::path& path)
  {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  int entries() const
  {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
  }

  fs::path folder;
};

TEST_F(ReplaceFile, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions)
{
  const fs::path path = folder / "a.EQ";
  const std::string bytes("line 1\r\n\0\xff\r\n", 11);
  ASSERT_EQ(replaceFile(path.string(), bytes), std::nullopt);
  EXPECT_EQ(read(path), bytes);

  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(replaceFile(path.string(), "shorter"), std::nullopt);
  EXPECT_EQ(read(path), "shorter");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries(), 1);  // no temporary file is left beside it
}

TEST_F(ReplaceFile, AFailureGivesTheReasonAndLeavesWhatWasThere)
{
  // A folder that does not exist: nothing can be made.
  const auto missing = replaceFile((folder / "no-such-folder" / "a.EQ").string(), "x");
  ASSERT_TRUE(missing.has_value());
  EXPECT_FALSE(missing->empty());
  EXPECT_EQ(entries(), 0);

  // A folder in the target's place: the rename fails after the bytes were written, and the
  // temporary file goes.
  const fs::path taken = folder / "taken.EQ";
  fs::create_directory(taken);
  std::ofstream(taken / "inside") << "kept";
  const auto refused = replaceFile(taken.string(), "new bytes");
  ASSERT_TRUE(refused.has_value());
  EXPECT_FALSE(refused->empty());
  EXPECT_TRUE(fs::is_directory(taken));
  EXPECT_EQ(read(taken / "inside"), "kept");
  EXPECT_EQ(entries(), 1);
}

}  // namespace
}  // namespace vorn
