#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ordinary_user.h"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

TEST(TempFolder, IsAFreshEmptyFolderOfItsOwnThatGoesWithEverythingInIt)
{
  fs::path made;
  {
    const TempFolder folder("vorn-temp");
    const TempFolder other("vorn-temp");
    made = folder.path();
    EXPECT_NE(made, other.path());
    EXPECT_EQ(made.parent_path(), fs::temp_directory_path());
    EXPECT_EQ(made.filename().string().rfind("vorn-temp-", 0), 0u) << made;
    ASSERT_TRUE(fs::is_directory(made));
    EXPECT_TRUE(fs::is_empty(made));
    EXPECT_EQ(folder.file("P.EQ"), (made / "P.EQ").string());
    fs::create_directories(made / "sub" / "deeper");
    std::ofstream(made / "sub" / "deeper" / "P.EQ") << "x";
  }
  EXPECT_FALSE(fs::exists(made));
}

TEST(TempFolder, AsTheCurrentFolderGivesThePreviousOneBackWhenItGoes)
{
  const fs::path before = fs::current_path();
  fs::path made;
  {
    const TempFolder folder("vorn-temp", FolderUse::AsCurrentFolder);
    made = folder.path();
    EXPECT_EQ(fs::current_path(), made);
    std::ofstream("relative.txt") << "x";
    EXPECT_TRUE(fs::exists(made / "relative.txt"));
  }
  EXPECT_EQ(fs::current_path(), before);
  EXPECT_FALSE(fs::exists(made));
}

TEST(TempFolder, FoldersATestLockedGoTooButNothingALinkLeadsTo)
{
  // As an ordinary user, whom the permission bits bind.
  const std::string problem = asOrdinaryUser([]() -> std::string {
    const TempFolder outside("vorn-temp-outside");
    std::ofstream(outside.path() / "kept") << "x";
    constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::owner_exec;
    fs::permissions(outside.path(), kReadOnly);
    fs::path made;
    {
      const TempFolder folder("vorn-temp");
      made = folder.path();
      fs::create_directories(made / "locked" / "inner");
      std::ofstream(made / "locked" / "inner" / "P.EQ") << "x";
      fs::create_directory_symlink(outside.path(), made / "locked" / "link");
      fs::permissions(made / "locked" / "inner", fs::perms::none);
      fs::permissions(made / "locked", fs::perms::owner_read);
      fs::permissions(made, kReadOnly);
    }
    if (fs::exists(made)) {
      return "the folder was left behind";
    }
    if (!fs::exists(outside.path() / "kept") ||
        (fs::status(outside.path()).permissions() & fs::perms::all) != kReadOnly) {
      return "the link was followed";
    }
    return {};
  });
  EXPECT_EQ(problem, "");
}

}  // namespace
}  // namespace vorn::test
