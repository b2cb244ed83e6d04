#include "temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <system_error>

namespace vorn::test {

namespace fs = std::filesystem;

namespace {

// Gives the owner every right on `folder` and on every folder inside it (not following links),
// so that their entries can be listed and removed.
void openUp(const fs::path& folder)
{
  std::error_code ec;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind;
    if (it->symlink_status(kind).type() == fs::file_type::directory) {
      openUp(it->path());
    }
  }
}

}  // namespace

TempFolder::TempFolder(std::string_view prefix, FolderUse use)
{
  std::string pattern = (fs::temp_directory_path() / prefix).string() + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
  }
  path_ = pattern;
  if (use == FolderUse::AsCurrentFolder) {
    try {
      previous_ = fs::current_path();
      fs::current_path(path_);
    } catch (...) {
      std::error_code ignored;
      fs::remove(path_, ignored);
      throw;
    }
  }
}

TempFolder::~TempFolder()
{
  std::error_code ec;
  if (!previous_.empty()) {
    fs::current_path(previous_, ec);
    EXPECT_FALSE(ec) << "cannot go back to " << previous_ << ": " << ec.message();
  }
  openUp(path_);
  fs::remove_all(path_, ec);
  EXPECT_FALSE(ec) << "cannot remove " << path_ << ": " << ec.message();
}

}  // namespace vorn::test
