#pragma once

#include <sys/types.h>

#include <cstddef>

namespace vorn {

// The system calls through which project and report files are written and read. Tests put
// their own in place (see FileCallsOverride) to make the disk fail at a chosen step; the program
// always uses the system's.
struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*read)(int fd, void* buffer, std::size_t size);
  ssize_t (*write)(int fd, const void* buffer, std::size_t size);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};

// The calls in use.
FileCalls& fileCalls();
// The system's own calls.
const FileCalls& systemFileCalls();

// Puts changed calls in place for as long as it lives.
class FileCallsOverride {
public:
  explicit FileCallsOverride(const FileCalls& calls) : saved_(fileCalls()) { fileCalls() = calls; }
  ~FileCallsOverride() { fileCalls() = saved_; }
  FileCallsOverride(const FileCallsOverride&) = delete;
  FileCallsOverride& operator=(const FileCallsOverride&) = delete;

private:
  FileCalls saved_;
};

}  // namespace vorn
