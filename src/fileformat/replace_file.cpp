#include "fileformat/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "fileformat/file_calls.h"
#include "fileformat/file_texts.h"

namespace vorn {

namespace {

std::string reason(int error)
{
  return std::strerror(error);
}

std::string folderOf(const std::string& path)
{
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a name leads to, every symbolic link followed (as the system follows them, at most
// 40 in a row).
struct Target {
  std::string path;
  bool exists = false;
  struct stat st {};
  std::string problem;
};

Target resolve(const std::string& path)
{
  Target t;
  t.path = path;
  for (int links = 0;; ++links) {
    if (::lstat(t.path.c_str(), &t.st) != 0) {
      const int error = errno;
      if (error == ENOENT && links > 0) {
        t.problem = std::string(file_texts::danglingLink) + t.path;
      } else if (error != ENOENT) {
        t.problem = reason(error);
      }
      return t;
    }
    if (!S_ISLNK(t.st.st_mode)) {
      t.exists = true;
      return t;
    }
    if (links == 40) {
      t.problem = reason(ELOOP);
      return t;
    }
    std::string to(static_cast<std::size_t>(t.st.st_size > 0 ? t.st.st_size : 255) + 1, '\0');
    ssize_t n = 0;
    while ((n = ::readlink(t.path.c_str(), to.data(), to.size())) >= 0 &&
           static_cast<std::size_t>(n) == to.size()) {
      to.resize(to.size() * 2);
    }
    if (n < 0) {
      t.problem = reason(errno);
      return t;
    }
    to.resize(static_cast<std::size_t>(n));
    t.path = !to.empty() && to[0] == '/' ? to : folderOf(t.path) + "/" + to;
  }
}

// Write protection by the permission bits: the superuser may write anything, so for it a file
// none of whose write bits is set counts as protected.
std::optional<std::string> protection(const Target& t)
{
  if (::geteuid() == 0) {
    if ((t.st.st_mode & 0222) == 0) {
      return file_texts::writeProtected;
    }
    return std::nullopt;
  }
  if (::faccessat(AT_FDCWD, t.path.c_str(), W_OK, AT_EACCESS) != 0) {
    return errno == EACCES ? std::string(file_texts::writeProtected) : reason(errno);
  }
  return std::nullopt;
}

std::string randomSuffix()
{
  static std::mt19937_64 engine(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string s(8, 'x');
  for (char& c : s) {
    c = kLetters[engine() % (sizeof(kLetters) - 1)];
  }
  return s;
}

std::optional<std::string> writeAll(int fd, const std::string& bytes)
{
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = fileCalls().write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return reason(errno);
    }
    if (n == 0) {
      return reason(EIO);
    }
    done += static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

// Flushes the folder, so that the rename is on the disk too.
std::optional<std::string> flushFolder(const std::string& folder)
{
  const int fd = fileCalls().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) {
    return reason(errno);
  }
  const int synced = fileCalls().fsync(fd);
  const int error = errno;
  fileCalls().close(fd);
  // Some file systems cannot flush a folder at all; that is not a failure of this save.
  if (synced != 0 && error != EINVAL && error != ENOTSUP) {
    return reason(error);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes)
{
  return replaceFileBy(path, [&bytes](int fd, const std::string&) { return writeAll(fd, bytes); });
}

std::optional<std::string> replaceFileBy(const std::string& path, const TemporaryFileWriter& write)
{
  const Target target = resolve(path);
  if (!target.problem.empty()) {
    return target.problem;
  }
  if (target.exists) {
    if (S_ISDIR(target.st.st_mode)) {
      return file_texts::isFolder;
    }
    if (!S_ISREG(target.st.st_mode)) {
      return file_texts::notRegular;
    }
    if (target.st.st_nlink > 1) {
      return file_texts::otherHardLinks;
    }
    if (auto problem = protection(target)) {
      return problem;
    }
  }

  // A short temporary name, so that a target name as long as the file system allows works.
  const std::string folder = folderOf(target.path);
  std::string temp;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temp = folder + "/.vorn-" + randomSuffix();
    fd = fileCalls().open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) {
      return reason(errno);
    }
  }
  // Every failure from here on leaves the old file and takes the temporary one away.
  bool open = true;
  auto fail = [&](std::string problem) -> std::optional<std::string> {
    if (open) {
      fileCalls().close(fd);
    }
    ::unlink(temp.c_str());
    return problem;
  };
  mode_t mode = 0;
  if (target.exists) {
    mode = target.st.st_mode & 07777;
    // The owner and group stay where the process may keep them (a user may keep the group only
    // when a member of it).
    if (::fchown(fd, target.st.st_uid, target.st.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), target.st.st_gid);
    }
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) {
    return fail(reason(errno));
  }
  if (auto problem = write(fd, temp)) {
    return fail(*problem);
  }
  if (fileCalls().fsync(fd) != 0) {
    return fail(reason(errno));
  }
  open = false;
  if (fileCalls().close(fd) != 0) {
    return fail(reason(errno));
  }
  if (fileCalls().rename(temp.c_str(), target.path.c_str()) != 0) {
    return fail(reason(errno));
  }
  if (auto problem = flushFolder(folder)) {
    return file_texts::folderNotFlushed + *problem;
  }
  return std::nullopt;
}

std::optional<std::string> writeInPlace(const std::string& path, const std::string& bytes)
{
  const int fd = fileCalls().open(path.c_str(), O_WRONLY | O_CLOEXEC, 0);
  if (fd < 0) {
    return reason(errno);
  }
  if (auto problem = writeAll(fd, bytes)) {
    fileCalls().close(fd);
    return problem;
  }
  if (fileCalls().close(fd) != 0) {
    return reason(errno);
  }
  return std::nullopt;
}

FileLookup lookUpFile(const std::string& path)
{
  FileLookup found;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT && errno != ENOTDIR) {
      found.problem = reason(errno);
    }
    return found;
  }
  found.kind = S_ISREG(st.st_mode)   ? FileKind::Regular
               : S_ISDIR(st.st_mode) ? FileKind::Folder
                                     : FileKind::Other;
  return found;
}

bool sameFile(const std::string& a, const std::string& b)
{
  struct stat sa {};
  struct stat sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

FileRead readWholeFile(const std::string& path, std::size_t limit)
{
  FileRead r;
  // Not blocking: a pipe in the file's place must not wait for a writer.
  const int fd = fileCalls().open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) {
      r.status = FileRead::Status::Missing;
    } else {
      r.problem = reason(error);
    }
    return r;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    r.problem = reason(errno);
  } else if (S_ISDIR(st.st_mode)) {
    r.status = FileRead::Status::Folder;
  } else if (!S_ISREG(st.st_mode)) {
    r.status = FileRead::Status::NotRegular;
  } else if (static_cast<std::uintmax_t>(st.st_size) > limit) {
    r.status = FileRead::Status::TooLarge;
  }
  if (!r.problem.empty() || r.status != FileRead::Status::Failed) {
    fileCalls().close(fd);
    return r;
  }
  // The size the file system reports is only a hint: a file may grow while it is read, and some
  // report none. Reading stops one byte past the limit.
  r.bytes.reserve(static_cast<std::size_t>(st.st_size) + 1);
  char chunk[64 * 1024];
  for (;;) {
    const std::size_t room = limit + 1 - r.bytes.size();
    const ssize_t n = fileCalls().read(fd, chunk, room < sizeof chunk ? room : sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      r.problem = reason(errno);
      r.bytes.clear();
      break;
    }
    if (n == 0) {
      r.status = FileRead::Status::Read;
      break;
    }
    r.bytes.append(chunk, static_cast<std::size_t>(n));
    if (r.bytes.size() > limit) {
      r.status = FileRead::Status::TooLarge;
      r.bytes.clear();
      r.bytes.shrink_to_fit();
      break;
    }
  }
  fileCalls().close(fd);
  return r;
}

}  // namespace vorn
