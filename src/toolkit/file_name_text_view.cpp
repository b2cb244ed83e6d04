#include "toolkit/file_name_text_view.h"

#include <QByteArray>
#include <QFile>
#include <array>
#include <filesystem>

namespace vorn {

namespace {

namespace fs = std::filesystem;

constexpr char16_t kFirstEscape = 0xDC80;  // U+DC00 + 0x80, the first byte that can be escaped
constexpr char16_t kLastEscape = 0xDCFF;

// The length of the valid UTF-8 sequence that starts at bytes[k] and its character, or a length
// of 0 when none starts there.
struct Sequence {
  std::size_t length = 0;
  char32_t character = 0;
};

Sequence sequenceAt(const std::string& bytes, std::size_t k)
{
  const auto lead = static_cast<unsigned char>(bytes[k]);
  if (lead < 0x80) {
    return {1, lead};
  }
  std::size_t length = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07u;
  } else {
    return {};
  }
  if (bytes.size() - k < length) {
    return {};
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[k + i]);
    if ((next & 0xC0) != 0x80) {
      return {};
    }
    c = (c << 6) | (next & 0x3Fu);
  }
  // The shortest form only, and no surrogate or character beyond Unicode.
  constexpr std::array<char32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
  if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    return {};
  }
  return {length, c};
}

void appendUtf8(std::string& out, char32_t c)
{
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string joined(const std::string& folder, const std::string& name)
{
  if (folder.empty()) {
    return name;
  }
  return folder.back() == '/' ? folder + name : folder + '/' + name;
}

bool entryExists(const std::string& path)
{
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// The bytes of the one entry of the folder that Qt reads as `name`, if there is exactly one.
std::optional<std::string> entryReadAs(const std::string& folder, const QString& name)
{
  std::optional<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (QFile::decodeName(QByteArray(entry.data(), static_cast<qsizetype>(entry.size()))) == name) {
      if (found) {
        return std::nullopt;  // two names read alike: which one was meant cannot be told
      }
      found = entry;
    }
  }
  return found;
}

}  // namespace

QString fileNameText(const std::string& bytes)
{
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (std::size_t k = 0; k < bytes.size();) {
    const Sequence s = sequenceAt(bytes, k);
    if (s.length == 0) {
      text += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[k])));
      ++k;
      continue;
    }
    if (s.character >= 0x10000) {
      text += QChar(QChar::highSurrogate(s.character));
      text += QChar(QChar::lowSurrogate(s.character));
    } else {
      text += QChar(static_cast<char16_t>(s.character));
    }
    k += s.length;
  }
  return text;
}

std::string fileNameBytes(const QString& text)
{
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype k = 0; k < text.size(); ++k) {
    const char16_t unit = text.at(k).unicode();
    char32_t c = unit;
    if (QChar::isHighSurrogate(unit) && k + 1 < text.size() &&
        QChar::isLowSurrogate(text.at(k + 1).unicode())) {
      c = QChar::surrogateToUcs4(unit, text.at(k + 1).unicode());
      ++k;
    } else if (unit >= kFirstEscape && unit <= kLastEscape) {
      bytes += static_cast<char>(unit - 0xDC00);
      continue;
    } else if (QChar::isSurrogate(unit)) {
      c = 0xFFFD;
    }
    appendUtf8(bytes, c);
  }
  return bytes;
}

std::string dialogPathBytes(const QString& path)
{
  std::string result = path.startsWith('/') ? "/" : "";
  for (const QString& part : path.split('/', Qt::SkipEmptyParts)) {
    std::string name = fileNameBytes(part);
    if (part != "." && part != ".." && !entryExists(joined(result, name))) {
      if (auto found = entryReadAs(result, part)) {
        name = *found;
      }
    }
    result = joined(result, name);
  }
  return result;
}

std::optional<std::string> projectFileArgument(int argc, char* argv[])
{
  if (argc < 2 || argv[1] == nullptr) {
    return std::nullopt;
  }
  return std::string(argv[1]);
}

}  // namespace vorn
