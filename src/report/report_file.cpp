#include "report/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "projectfile/codepage.h"

namespace vorn {

namespace {

namespace t = report_file_texts;

std::string failure(const std::string& path, const char* what, const std::string& reason)
{
  return std::string(t::notWrittenBefore) + "\"" + path + "\"" + what + reason;
}

// Writes the bytes under a temporary name in the target's folder and renames the file over the
// target once it is complete. Gives the system's reason when it fails.
std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes)
{
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    return std::strerror(errno);
  }
  auto fail = [&](int error) -> std::optional<std::string> {
    ::close(fd);
    ::unlink(temp.c_str());
    return std::strerror(error);
  };
  // The file gets the permissions an ordinary new file would get, or keeps those it had.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
  if (::fchmod(fd, mode) != 0) {
    return fail(errno);
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    return fail(errno);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return std::strerror(error);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return std::strerror(error);
  }
  return std::nullopt;
}

}  // namespace

ReportWrite writeReportFile(const std::vector<std::string>& lines, const std::string& path)
{
  ReportWrite result;
  if (path.empty()) {
    result.error = failure(path, t::notWrittenAfter, t::noPath);
    return result;
  }
  std::string bytes;
  for (const std::string& line : lines) {
    const auto encoded = toWindows1256(line);
    if (!encoded) {
      result.error = failure(path, t::notWrittenAfter, t::notEncodable + line);
      return result;
    }
    bytes += *encoded;
    bytes += "\r\n";
  }
  if (auto problem = replaceFile(path, bytes)) {
    result.error = failure(path, t::notWrittenAfter, *problem);
    return result;
  }

  // The output window shows the file as it stands on the disk.
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = failure(path, t::notReadAfter, std::strerror(errno));
    return result;
  }
  const std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string text = fromWindows1256(read);
  result.text.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
      continue;
    }
    result.text.push_back(text[k]);
  }
  return result;
}

}  // namespace vorn
