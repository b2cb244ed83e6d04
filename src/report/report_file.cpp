#include "report/report_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "projectfile/codepage.h"
#include "projectfile/replace_file.h"

namespace vorn {

namespace {

namespace t = report_file_texts;

std::string failure(const std::string& path, const char* what, const std::string& reason)
{
  return std::string(t::notWrittenBefore) + "\"" + path + "\"" + what + reason;
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
