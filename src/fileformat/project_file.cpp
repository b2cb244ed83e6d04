#include "fileformat/project_file.h"

#include <algorithm>
#include <memory>

#include "fileformat/codepage.h"
#include "fileformat/file_texts.h"
#include "fileformat/project_file_layout.h"
#include "fileformat/replace_file.h"
#include "model/number_text.h"

namespace vorn {

namespace {

// A valid file is about 400 KB; anything far larger is not one and is not read into memory.
constexpr std::size_t kLargestFile = 16u * 1024u * 1024u;
// The longest text a box holds (an edit box of the windows takes 32 767 characters, a path 4 096
// bytes). With the other lines written short, a saved file stays far below kLargestFile.
constexpr std::size_t kLongestText = 32767;
constexpr const char* kTooLarge = "اندازه آن براي يک فايل پروژه بسيار بزرگ است";

std::string quoted(const std::string& path)
{
  return "\"" + path + "\"";
}

std::string refusal(const std::string& path, const std::string& problem)
{
  return "فايل " + quoted(path) + " يک فايل پروژه قابل قبول نميباشد:\n" + problem;
}

class Writer : public LayoutVisitor {
public:
  std::vector<std::string> lines;

  void paddedFlagA(bool& v) override { lines.push_back(padded(v)); }
  void paddedFlagD(bool& v) override { lines.push_back(padded(v)); }
  void plainFlagB(bool& v) override { lines.push_back(plain(v)); }
  void plainFlagD(bool& v) override { lines.push_back(plain(v)); }
  void paddedNumberE(double& v) override { lines.push_back(padded(v)); }
  void plainNumberE(double& v) override { lines.push_back(plain(v)); }
  void flagAsNumberE(bool& v) override { lines.push_back(padded(v ? -1.0 : 0.0)); }
  void paddedCheckF(int& v) override { lines.push_back(padded(static_cast<double>(v))); }
  void paddedCheckC(int& v) override { lines.push_back(padded(static_cast<double>(v))); }
  void plainIndexF(std::int16_t& v) override { lines.push_back(plain(static_cast<double>(v))); }
  void text(std::string& v) override { lines.push_back(v); }
  void textAsNumber(std::string& v) override { lines.push_back(padded(numericValue(v))); }
};

// The lines whose reading can refuse a file: those read as a truth word or a number, and the
// texts, which are kept as they stand and written back so.
enum class LineKind : char { Other, Truth, Text };

class LineKinds : public LayoutVisitor {
public:
  std::vector<LineKind> kinds;

  void paddedFlagA(bool&) override { kinds.push_back(LineKind::Other); }
  void paddedFlagD(bool&) override { kinds.push_back(LineKind::Truth); }
  void plainFlagB(bool&) override { kinds.push_back(LineKind::Other); }
  void plainFlagD(bool&) override { kinds.push_back(LineKind::Truth); }
  void paddedNumberE(double&) override { kinds.push_back(LineKind::Other); }
  void plainNumberE(double&) override { kinds.push_back(LineKind::Other); }
  void flagAsNumberE(bool&) override { kinds.push_back(LineKind::Other); }
  void paddedCheckF(int&) override { kinds.push_back(LineKind::Other); }
  void paddedCheckC(int&) override { kinds.push_back(LineKind::Other); }
  void plainIndexF(std::int16_t&) override { kinds.push_back(LineKind::Other); }
  void text(std::string&) override { kinds.push_back(LineKind::Text); }
  // Written back as a number, whatever its length in the file.
  void textAsNumber(std::string&) override { kinds.push_back(LineKind::Other); }
};

const std::vector<LineKind>& lineKinds()
{
  static const std::vector<LineKind> kinds = [] {
    auto scratch = std::make_unique<Project>();
    LineKinds t;
    visitLayout(*scratch, t);
    return t.kinds;
  }();
  return kinds;
}

// Splits on CR LF, LF or a lone CR (the same bytes in Windows-1256 and UTF-8) and turns each line
// into UTF-8; a final line end starts no further line.
std::vector<std::string> splitLines(std::string_view text)
{
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(kProjectFileLines));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
      ++end;
    }
    if (end == text.size()) {
      lines.push_back(fromWindows1256(text.substr(start)));
      break;
    }
    lines.push_back(fromWindows1256(text.substr(start, end - start)));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
      ++start;
    }
  }
  return lines;
}

// Characters of a UTF-8 text: the bytes that do not continue a sequence.
std::size_t characters(const std::string& text)
{
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string lineCountProblem(std::size_t count)
{
  return "تعداد سطرهاي آن " + std::to_string(count) + " است، در حاليکه فايل پروژه " +
         std::to_string(kProjectFileLines) + " سطر دارد";
}

}  // namespace

std::string lineExcerpt(const std::string& line)
{
  constexpr std::size_t kShown = 80;
  std::size_t characters = 0;
  for (std::size_t k = 0; k < line.size(); ++k) {
    // A character starts at every byte that does not continue a UTF-8 sequence.
    if ((static_cast<unsigned char>(line[k]) & 0xC0) != 0x80 && characters++ == kShown) {
      return line.substr(0, k) + file_texts::ellipsis;
    }
  }
  return line;
}

bool readFlagA(const std::string& line)
{
  return line == " True";
}
bool readFlagB(const std::string& line)
{
  return line == "True";
}
int readCheckC(const std::string& line)
{
  return line == " 1" ? 1 : 0;
}
int readWholeF(const std::string& line)
{
  const double v = roundHalfEven(numericValue(line));
  if (v > 32767.0 || v < -32768.0) {
    return 0;
  }
  return static_cast<int>(v);
}

std::optional<bool> readFlagD(const std::string& line)
{
  // Looked at in place: a line can be megabytes long.
  std::string_view word(line);
  word.remove_prefix(std::min(word.size(), word.find_first_not_of(' ')));
  word.remove_suffix(word.size() - (word.find_last_not_of(' ') + 1));
  auto is = [&word](std::string_view lower) {
    return word.size() == lower.size() &&
           std::equal(word.begin(), word.end(), lower.begin(), [](char a, char b) {
             return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
  };
  if (is("true")) {
    return true;
  }
  if (is("false")) {
    return false;
  }
  // Otherwise a number that fills the whole line.
  const NumericPrefix number = numericPrefix(word);
  if (number.length == 0 || number.length != word.size()) {
    return std::nullopt;
  }
  return number.value != 0.0;
}

std::vector<std::string> projectFileLines(const Project& project)
{
  Writer w;
  w.lines.reserve(kProjectFileLines);
  visitLayout(const_cast<Project&>(project), w);  // the writer only reads
  return w.lines;
}

std::optional<std::string> checkProjectLines(const std::vector<std::string>& lines)
{
  if (lines.size() != static_cast<std::size_t>(kProjectFileLines)) {
    return lineCountProblem(lines.size());
  }
  // The story count decides how many story blocks the runs read: it must be a whole number of
  // stories that the tables hold.
  constexpr std::size_t kStoryCountLine = 49;
  const double n = numericValue(lines[kStoryCountLine - 1]);
  if (n < 1 || n > kMaxStories || n != roundHalfEven(n)) {
    return "سطر " + std::to_string(kStoryCountLine) + " تعداد طبقات است و بايد عدد صحيحي از 1 تا " +
           std::to_string(kMaxStories) + " باشد ولي \"" + lineExcerpt(lines[kStoryCountLine - 1]) +
           "\" است";
  }
  const auto& kinds = lineKinds();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    // A text longer than any box holds would come back in every save: a file that opens must
    // save a file that opens again, within the size a project file may have.
    if (kinds[k] == LineKind::Text && characters(lines[k]) > kLongestText) {
      return "سطر " + std::to_string(k + 1) + " متن است و نبايد بيش از " +
             std::to_string(kLongestText) + " نويسه داشته باشد ولي \"" + lineExcerpt(lines[k]) +
             "\" است";
    }
    if (kinds[k] == LineKind::Truth && !readFlagD(lines[k])) {
      return "سطر " + std::to_string(k + 1) + " بايد True يا False يا يک عدد باشد ولي \"" +
             lineExcerpt(lines[k]) + "\" است";
    }
  }
  return std::nullopt;
}

ProjectFileRead readProjectFile(const std::string& path)
{
  ProjectFileRead r;
  FileRead file = readWholeFile(path, kLargestFile);
  switch (file.status) {
    case FileRead::Status::Read:
      break;
    case FileRead::Status::Missing:
      r.missing = true;
      r.error = refusal(path, "اين فايل موجود نيست");
      return r;
    case FileRead::Status::Folder:
      r.error = refusal(path, file_texts::isFolder);
      return r;
    case FileRead::Status::NotRegular:
      r.error = refusal(path, file_texts::notRegular);
      return r;
    case FileRead::Status::TooLarge:
      r.error = refusal(path, kTooLarge);
      return r;
    case FileRead::Status::Failed:
      r.error = refusal(path, "اين فايل خوانده نميشود (" + file.problem + ")");
      return r;
  }
  r = checkProjectBytes(file.bytes);
  if (!r.ok()) {
    r.error = refusal(path, r.error);
  }
  return r;
}

ProjectFileRead checkProjectBytes(std::string_view bytes)
{
  ProjectFileRead r;
  if (bytes.size() > kLargestFile) {
    r.error = kTooLarge;
    return r;
  }
  if (bytes.empty()) {
    r.error = "اين فايل خالي است";
    return r;
  }
  int line = 1;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    const auto c = static_cast<unsigned char>(bytes[k]);
    if (c >= 0x20 && c != 0x7f) {
      continue;  // nearly every byte: nothing to count or refuse
    }
    if (c == '\n' || (c == '\r' && (k + 1 >= bytes.size() || bytes[k + 1] != '\n'))) {
      ++line;
    }
    if ((c < 0x20 && c != '\r' && c != '\n' && c != '\t') || c == 0x7f) {
      r.error = "سطر " + std::to_string(line) + " نويسه اي دارد که در هيچ متني نمي آيد (کد " +
                std::to_string(c) + ")";
      return r;
    }
  }
  // A file of the wrong length is refused before it is split, so that a file of nothing but line
  // ends costs no more memory than its bytes.
  const auto last = static_cast<unsigned char>(bytes.back());
  const int count = line - 1 + (last == '\n' || last == '\r' ? 0 : 1);
  if (count != kProjectFileLines) {
    r.error = lineCountProblem(static_cast<std::size_t>(count));
    return r;
  }
  std::vector<std::string> lines = splitLines(bytes);
  if (auto problem = checkProjectLines(lines)) {
    r.error = *problem;
    return r;
  }
  r.lines = std::move(lines);
  return r;
}

std::optional<std::string> writeProjectFile(const Project& project, const std::string& path)
{
  const std::string failed = "فايل " + quoted(path) + " ذخيره نشد: ";
  std::string bytes;
  bytes.reserve(512 * 1024);
  for (const std::string& line : projectFileLines(project)) {
    auto encoded = toWindows1256(line);
    if (!encoded) {
      return failed + "متن \"" + lineExcerpt(line) +
             "\" نويسه اي دارد که در فايل پروژه نگهداري نميشود. لطفا آن را اصلاح نماييد";
    }
    bytes += *encoded;
    bytes += "\r\n";
  }

  if (auto problem = replaceFile(path, bytes)) {
    return failed + *problem;
  }
  return std::nullopt;
}

}  // namespace vorn
