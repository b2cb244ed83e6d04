#include "windows/report/report_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "fileformat/codepage.h"
#include "fileformat/file_texts.h"
#include "fileformat/project_file.h"
#include "fileformat/replace_file.h"

namespace vorn {

namespace {

namespace t = report_file_texts;

std::string failure(const std::string& path, const char* what, const std::string& reason)
{
  return std::string(t::notWrittenBefore) + "\"" + path + "\"" + what + reason;
}

}  // namespace

ReportBytes encodeReport(const std::vector<std::string>& lines, const std::string& path)
{
  ReportBytes result;
  for (const std::string& line : lines) {
    const auto encoded = toWindows1256(line);
    if (!encoded) {
      result.bytes.clear();
      result.error = failure(path, t::notWrittenAfter, t::notEncodable + lineExcerpt(line));
      return result;
    }
    result.bytes += *encoded;
    result.bytes += "\r\n";
  }
  return result;
}

std::string reportText(const std::string& bytes)
{
  const std::string text = fromWindows1256(bytes);
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
      continue;
    }
    shown.push_back(text[k]);
  }
  return shown;
}

ReportWrite writeReportFile(const std::vector<std::string>& lines, const ReportTarget& target)
{
  ReportWrite result;
  const std::string& path = target.path;
  if (path.empty()) {
    result.error = failure(path, t::notWrittenAfter, t::noPath);
    return result;
  }
  ReportBytes encoded = encodeReport(lines, path);
  if (!encoded.error.empty()) {
    result.error = encoded.error;
    return result;
  }
  if (!target.keep.empty() && sameFile(path, target.keep)) {
    result.error = failure(path, t::notWrittenAfter, file_texts::reportIsProject);
    return result;
  }
  const FileLookup found = lookUpFile(path);
  if (found.kind == FileKind::Other) {
    if (!target.intoDevices) {
      result.error = failure(path, t::notWrittenAfter, file_texts::reportNotRegular);
      return result;
    }
    if (auto problem = writeInPlace(path, encoded.bytes)) {
      result.error = failure(path, t::notWrittenAfter, *problem);
      return result;
    }
    result.text = reportText(encoded.bytes);
    return result;
  }
  if (auto problem = replaceFile(path, encoded.bytes)) {
    result.error = failure(path, t::notWrittenAfter, *problem);
    return result;
  }

  // The output window shows the file as it stands on the disk.
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = failure(path, t::notReadAfter, std::strerror(errno));
    return result;
  }
  result.text = reportText(
      std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
  return result;
}

}  // namespace vorn
