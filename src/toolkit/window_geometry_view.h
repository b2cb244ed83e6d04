#pragma once

#include <QSize>
#include <QString>

class QSettings;
class QWidget;

namespace vorn {

// The settings file in which the program keeps the sizes of its windows and the positions of
// their splitters between runs (~/.config/VORN/vorn.conf on Linux).
inline constexpr const char* kSettingsOrganisation = "VORN";
inline constexpr const char* kSettingsApplication = "vorn";

// The least room kept for a window's frame (its title bar and borders), which the window manager
// tells only once it has framed the window.
inline constexpr QSize kFrameAllowance{16, 40};

// The largest size the inside of a window may take: the free area of its screen (what panels
// and docks leave) less its frame.
QSize availableWindowSize(const QWidget& window);

// Keeps a window within the free area of its screen: a window larger than the area shrinks to it
// (as far as its contents can shrink), keeping its middle where it was placed.
void fitToScreen(QWidget& window);

// A window's size and its splitters' positions as the user leaves them, kept in the settings
// under the window's name. A window whose height the program sets itself keeps only its width.
// Only what the user chose is kept: not a size the user never changed nor one the program gave
// (a size equal to the program's own takes the kept one away), nor the position of a splitter
// the user never moved.
class WindowGeometry {
public:
  // As the window is shown: the first time, the size and splitter positions the user chose in an
  // earlier run (a size larger than the screen's free area is not taken); every time, the window
  // kept within that area.
  void shown(QWidget& window, bool heightIsSet);
  // The user has resized the window (the window system says so, the program's resizing does not).
  void resizedByUser() { sizeChosen_ = true; }
  // As the window is hidden, or goes with the program still showing it.
  void store(const QWidget& window, bool heightIsSet) const;

private:
  QSize programSize_;  // what the program gave the window, fitted to the screen
  bool restored_ = false;
  bool sizeChosen_ = false;
};

}  // namespace vorn
