#include "fileformat/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vorn {

namespace {

// `expected` is how many bytes the result takes for each byte of the input, as far as known, so
// that the result is made in one piece.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   std::size_t expected)
{
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("no converter from ") + from + " to " + to);
  }
  std::string out;
  out.reserve(in.size() * expected);
  std::vector<char> buf(4096);
  char* src = const_cast<char*>(in.data());  // iconv reads through it only
  std::size_t srcLeft = in.size();
  std::optional<std::string> result;
  for (;;) {
    char* dst = buf.data();
    std::size_t dstLeft = buf.size();
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
    if (rc != static_cast<std::size_t>(-1)) {
      if (srcLeft == 0) {
        result = std::move(out);
        break;
      }
      continue;
    }
    if (errno != E2BIG) {
      break;  // a character the target cannot hold, or a broken sequence
    }
  }
  iconv_close(cd);
  return result;
}

bool isAscii(std::string_view text)
{
  // Eight bytes at a time, then the rest.
  std::size_t k = 0;
  for (; k + 8 <= text.size(); k += 8) {
    std::uint64_t eight = 0;
    std::memcpy(&eight, text.data() + k, sizeof eight);
    if ((eight & 0x8080808080808080u) != 0) {
      return false;
    }
  }
  for (char c : text.substr(k)) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      return false;
    }
  }
  return true;
}

}  // namespace

// Both encodings agree on ASCII, which is nearly every line of a project file: such text
// passes unchanged without a converter.
std::optional<std::string> toWindows1256(const std::string& utf8)
{
  if (isAscii(utf8)) {
    return utf8;
  }
  return convert("CP1256", "UTF-8", utf8, 1);
}

std::string fromWindows1256(std::string_view bytes)
{
  if (isAscii(bytes)) {
    return std::string(bytes);
  }
  // Every byte has a character in Windows-1256, so this cannot fail on real data. Its letters
  // take two bytes in UTF-8 (a few signs three).
  auto text = convert("UTF-8", "CP1256", bytes, 2);
  return text ? std::move(*text) : std::string();
}

}  // namespace vorn
