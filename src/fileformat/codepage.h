#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The project and report files are Windows-1256 text; the program works in UTF-8.
// A text that Windows-1256 cannot hold gives no value.
std::optional<std::string> toWindows1256(const std::string& utf8);
std::string fromWindows1256(std::string_view bytes);

}  // namespace vorn
