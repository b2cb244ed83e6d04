#pragma once

#include <span>

namespace vorn {

// One heading of a help window with the items shown beside it.
struct HelpSection {
  const char* heading;
  std::span<const char* const> items;
};

}  // namespace vorn
