#pragma once

#include <optional>
#include <string>

namespace vorn {

// Writes the bytes under a temporary name in the target's folder, flushes them to the disk and
// renames the file over the target once it is complete, so that a failure at any step leaves the
// old file as it was (and no temporary file behind). The file keeps the permissions it had, or
// gets those an ordinary new file would get. Gives the system's reason when it fails.
std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes);

}  // namespace vorn
