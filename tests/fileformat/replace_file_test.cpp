// Files are replaced whole: the new bytes under a temporary name first, then renamed over the old
// file, so that a failure leaves the old file and no stray temporary file.
#include "fileformat/replace_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fileformat/file_calls.h"
#include "fileformat/file_texts.h"
#include "ordinary_user.h"
#include "temp_folder.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

class ReplaceFile : public ::testing::Test {
protected:
  static std::string read(const fs::path& path)
  {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  int entries() const { return entriesOf(folder); }
  static int entriesOf(const fs::path& path)
  {
    return static_cast<int>(std::distance(fs::directory_iterator(path), {}));
  }
  static void write(const fs::path& path, const std::string& bytes)
  {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  test::TempFolder temp{"vorn-replace"};
  const fs::path folder = temp.path();
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

TEST_F(ReplaceFile, ASymbolicLinkIsFollowedAndKept)
{
  // name.EQ -> sub/link.EQ -> (absolute) real/file.EQ
  fs::create_directories(folder / "sub");
  fs::create_directories(folder / "real");
  write(folder / "real" / "file.EQ", "old");
  fs::create_symlink(folder / "real" / "file.EQ", folder / "sub" / "link.EQ");
  fs::create_symlink("sub/link.EQ", folder / "name.EQ");
  fs::permissions(folder / "real" / "file.EQ", fs::perms::owner_read | fs::perms::owner_write);

  ASSERT_EQ(replaceFile((folder / "name.EQ").string(), "new"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(folder / "name.EQ"));
  EXPECT_TRUE(fs::is_symlink(folder / "sub" / "link.EQ"));
  EXPECT_EQ(read(folder / "real" / "file.EQ"), "new");
  EXPECT_EQ(fs::status(folder / "real" / "file.EQ").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  // The temporary file went beside the file itself and is gone.
  EXPECT_EQ(entriesOf(folder / "real"), 1);
  EXPECT_EQ(entriesOf(folder / "sub"), 1);
  EXPECT_EQ(entries(), 3);
}

TEST_F(ReplaceFile, RefusedTargetsAreLeftAsTheyWere)
{
  write(folder / "file.EQ", "old");
  fs::create_symlink("nowhere.EQ", folder / "dangling.EQ");
  fs::create_hard_link(folder / "file.EQ", folder / "hard.EQ");
  write(folder / "protected.EQ", "kept");
  fs::permissions(folder / "protected.EQ", fs::perms::owner_read | fs::perms::group_read);
  ASSERT_EQ(mkfifo((folder / "pipe.EQ").c_str(), 0644), 0);
  fs::create_symlink("a.EQ", folder / "b.EQ");
  fs::create_symlink("b.EQ", folder / "a.EQ");

  const struct {
    const char* name;
    std::string reason;
  } cases[] = {
      {"dangling.EQ", file_texts::danglingLink}, {"hard.EQ", file_texts::otherHardLinks},
      {"file.EQ", file_texts::otherHardLinks},   {"protected.EQ", file_texts::writeProtected},
      {"pipe.EQ", file_texts::notRegular},       {"a.EQ", std::strerror(ELOOP)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto refused = replaceFile((folder / c.name).string(), "new");
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->rfind(c.reason, 0), 0u) << *refused;
  }
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.EQ"));
  EXPECT_FALSE(fs::exists(folder / "nowhere.EQ"));
  EXPECT_EQ(read(folder / "file.EQ"), "old");
  EXPECT_EQ(fs::hard_link_count(folder / "hard.EQ"), 2u);
  EXPECT_EQ(read(folder / "protected.EQ"), "kept");
  EXPECT_TRUE(fs::is_fifo(folder / "pipe.EQ"));
  EXPECT_EQ(entries(), 7) << "no temporary file is left";
}

TEST_F(ReplaceFile, AWriteProtectedFileIsRefusedForAnOrdinaryUserToo)
{
  const fs::path path = folder / "protected.EQ";
  write(path, "kept");
  fs::permissions(folder, fs::perms::all);
  ASSERT_EQ(::chown(path.c_str(), test::ordinaryUserId(), static_cast<gid_t>(-1)) == 0 ||
                ::geteuid() != 0,
            true);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // The folder is open to the user, so only the file's own bits protect it.
  const std::string problem = test::asOrdinaryUser([&]() -> std::string {
    const auto refused = replaceFile(path.string(), "new");
    if (!refused || refused->rfind(file_texts::writeProtected, 0) != 0) {
      return "not refused as write-protected: " + refused.value_or("written");
    }
    return {};
  });
  EXPECT_EQ(problem, "");
  EXPECT_EQ(read(path), "kept");
  EXPECT_EQ(entries(), 1);
}

TEST_F(ReplaceFile, NamesAsLongAsTheFileSystemAllows)
{
  const long most = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  ASSERT_GT(most, 8);
  const fs::path path = folder / (std::string(static_cast<std::size_t>(most) - 3, 'n') + ".EQ");
  ASSERT_EQ(replaceFile(path.string(), "first"), std::nullopt);
  ASSERT_EQ(replaceFile(path.string(), "second"), std::nullopt);
  EXPECT_EQ(read(path), "second");
  EXPECT_EQ(entries(), 1);
}

TEST_F(ReplaceFile, AReplacedFileKeepsItsOwnerWhereTheProcessMayKeepIt)
{
  if (::geteuid() != 0) {
    GTEST_SKIP() << "only the superuser can give a file to another owner";
  }
  const fs::path path = folder / "theirs.EQ";
  write(path, "old");
  ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(replaceFile(path.string(), "new"), std::nullopt);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// The disk failing at each step of the writing, made to fail through the file calls.
int failingStep = 0;
int failingError = 0;
int fsyncCalls = 0;

TEST_F(ReplaceFile, ADiskFailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile)
{
  enum Step { Create = 1, Write, PartWrite, Sync, Close, Rename };
  FileCalls calls = systemFileCalls();
  calls.open = [](const char* path, int flags, mode_t mode) {
    if (failingStep == Create && (flags & O_CREAT)) {
      errno = failingError;
      return -1;
    }
    return systemFileCalls().open(path, flags, mode);
  };
  calls.write = [](int fd, const void* buffer, std::size_t size) -> ssize_t {
    if (failingStep == Write || (failingStep == PartWrite && size < 10)) {
      errno = failingError;
      return -1;
    }
    // A full disk takes part of the bytes before it refuses the rest.
    return systemFileCalls().write(fd, buffer, failingStep == PartWrite ? size / 2 : size);
  };
  calls.fsync = [](int fd) {
    ++fsyncCalls;
    if (failingStep == Sync && fsyncCalls == 1) {
      errno = failingError;
      return -1;
    }
    return systemFileCalls().fsync(fd);
  };
  calls.close = [](int fd) {
    const int closed = systemFileCalls().close(fd);
    if (failingStep == Close) {
      errno = failingError;
      return -1;
    }
    return closed;
  };
  calls.rename = [](const char* from, const char* to) {
    if (failingStep == Rename) {
      errno = failingError;
      return -1;
    }
    return systemFileCalls().rename(from, to);
  };
  const FileCallsOverride injected(calls);

  const fs::path path = folder / "a.EQ";
  write(path, "old");
  const struct {
    Step step;
    int error;
  } cases[] = {{Create, ENOSPC}, {Write, EIO}, {PartWrite, ENOSPC},
               {Sync, EIO},      {Close, EIO}, {Rename, EXDEV}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    failingStep = c.step;
    failingError = c.error;
    fsyncCalls = 0;
    const auto refused = replaceFile(path.string(), std::string(1000, 'n'));
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(*refused, std::strerror(c.error));
    EXPECT_EQ(read(path), "old");
    EXPECT_EQ(entries(), 1);
  }

  // The folder cannot be flushed after the rename: the new file is in place, and the user is
  // told that it may not have reached the disk.
  failingStep = Sync;
  failingError = EIO;
  fsyncCalls = -1;  // the file's own flush passes, the folder's fails
  const auto unflushed = replaceFile(path.string(), "new");
  ASSERT_TRUE(unflushed.has_value());
  EXPECT_EQ(*unflushed, std::string(file_texts::folderNotFlushed) + std::strerror(EIO));
  EXPECT_EQ(read(path), "new");
  EXPECT_EQ(entries(), 1);
  failingStep = 0;
}

}  // namespace
}  // namespace vorn
