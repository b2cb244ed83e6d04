#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vorn {

// Replaces the file at `path` by `bytes`: they are written under a temporary name beside the
// file, flushed to the disk and renamed over it once complete, then the folder is flushed too,
// so that a failure at any step leaves the old file as it was and no temporary file behind.
// A symbolic link is followed and kept: the file it points to is replaced. The file keeps its
// permissions and, where the process may, its owner; a new file gets those an ordinary new file
// would get. Refused, leaving everything as it was: a link that points nowhere, a folder or
// anything that is not a regular file, a file with other hard links (replacing it would part
// them), a write-protected file (by its permission bits, also for the superuser). Gives the
// reason when the file was not written.
std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes);

// The same replacing for a writer that writes the new file itself: it is given the temporary
// file, open for writing (its descriptor) and by its name (for a library that opens files by
// name and truncates them), and gives the reason when it failed. What it wrote is flushed to the
// disk and renamed over the file only once it succeeded.
using TemporaryFileWriter =
    std::function<std::optional<std::string>(int fd, const std::string& temporaryPath)>;
std::optional<std::string> replaceFileBy(const std::string& path, const TemporaryFileWriter& write);

// Writes `bytes` into an existing file that is not a regular one (a device, a pipe) as it is,
// without replacing it. Gives the system's reason when it fails.
std::optional<std::string> writeInPlace(const std::string& path, const std::string& bytes);

// What a name stands for, its links followed.
enum class FileKind { Missing, Regular, Folder, Other };
struct FileLookup {
  FileKind kind = FileKind::Missing;
  std::string problem;  // the system's reason when the name could not be looked up
};
FileLookup lookUpFile(const std::string& path);

// Whether both names lead to one and the same file (through links of either kind).
bool sameFile(const std::string& a, const std::string& b);

// The whole content of a regular file, read up to `limit` bytes.
struct FileRead {
  enum class Status { Read, Missing, Folder, NotRegular, TooLarge, Failed };
  Status status = Status::Failed;
  std::string bytes;
  std::string problem;  // the system's reason when Failed
};
FileRead readWholeFile(const std::string& path, std::size_t limit);

}  // namespace vorn
