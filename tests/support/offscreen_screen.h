#pragma once

// The screen the window tests and the screenshots draw on: Qt's offscreen platform takes the size
// of its screen from a configuration file named after the platform
// (`offscreen:configfile=FILE`), which these helpers write. A process also keeps its window
// sizes in settings of its own, so that the user's settings never change what it draws.

#include <filesystem>
#include <string>

namespace vorn::test {

// The laptop the windows must fit: 1366 x 768 pixels at 96 dpi.
inline constexpr int kLaptopWidth = 1366;
inline constexpr int kLaptopHeight = 768;

// Writes the offscreen platform's configuration of one screen of `width` x `height` pixels
// (96 dpi) into `folder` and gives the platform name that takes it, for QT_QPA_PLATFORM.
std::string offscreenPlatform(const std::filesystem::path& folder, int width, int height);

// Makes the process draw on the offscreen platform with that screen, unless it was asked for
// another platform than the plain offscreen one, and keep its settings under
// `folder`/config (XDG_CONFIG_HOME). Call before the application is made.
void useOwnScreenAndSettings(const std::filesystem::path& folder, int width, int height);

}  // namespace vorn::test
