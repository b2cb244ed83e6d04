#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorn::test {

// Whether a temporary folder becomes the process's current folder while it lives.
enum class FolderUse { Apart, AsCurrentFolder };

// A fresh folder of its own under the system's temporary folder, named `<prefix>-XXXXXX`. Made
// the current folder when asked, the previous current folder comes back when the object goes;
// then the folder is removed with everything in it, permissions a test took away from its
// folders given back first so that nothing is left behind.
class TempFolder {
public:
  explicit TempFolder(std::string_view prefix, FolderUse use = FolderUse::Apart);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a file in the folder.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
  std::filesystem::path path_;
  std::filesystem::path previous_;  // the current folder before; empty when it was not changed
};

}  // namespace vorn::test
