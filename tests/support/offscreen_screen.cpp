#include "offscreen_screen.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace vorn::test {

std::string offscreenPlatform(const std::filesystem::path& folder, int width, int height)
{
  const std::filesystem::path file = folder / "offscreen-screen.json";
  std::ofstream out(file);
  out << "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": " << width
      << ", \"height\": " << height << ", \"logicalDpi\": 96, \"dpr\": 1}]}\n";
  out.close();
  if (!out) {
    throw std::runtime_error("cannot write " + file.string());
  }
  return "offscreen:configfile=" + file.string();
}

void useOwnScreenAndSettings(const std::filesystem::path& folder, int width, int height)
{
  const char* platform = ::getenv("QT_QPA_PLATFORM");
  if (platform == nullptr || std::string(platform) == "offscreen") {
    ::setenv("QT_QPA_PLATFORM", offscreenPlatform(folder, width, height).c_str(), 1);
  }
  const std::filesystem::path config = folder / "config";
  std::filesystem::create_directories(config);
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
}

}  // namespace vorn::test
