#include "fileformat/file_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace vorn {

namespace {

int openFile(const char* path, int flags, mode_t mode)
{
  return ::open(path, flags, mode);
}
ssize_t readFile(int fd, void* buffer, std::size_t size)
{
  return ::read(fd, buffer, size);
}
ssize_t writeFile(int fd, const void* buffer, std::size_t size)
{
  return ::write(fd, buffer, size);
}
int syncFile(int fd)
{
  return ::fsync(fd);
}
int closeFile(int fd)
{
  return ::close(fd);
}
int renameFile(const char* from, const char* to)
{
  return std::rename(from, to);
}

constexpr FileCalls kSystem{openFile, readFile, writeFile, syncFile, closeFile, renameFile};

}  // namespace

const FileCalls& systemFileCalls()
{
  return kSystem;
}

FileCalls& fileCalls()
{
  static FileCalls calls = kSystem;
  return calls;
}

}  // namespace vorn
