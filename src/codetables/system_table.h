#pragma once

#include <array>

namespace vorn {

// One lateral-load resisting system: its code (one plus the position of its option), its group,
// the option's caption, the behaviour factor R with the label shown beside the option, the height
// limit the dialog shows and the one that is stored and used.
struct ResistingSystem {
  int code;
  int group;  // 0 bearing walls, 1 simple building frame, 2 moment frame, 3 dual or combined
  const char* caption;
  double R;
  const char* rLabel;
  const char* shownHeightLimit;
  double heightLimit;  // m
};

inline constexpr int kSystemCount = 23;

// The 23 systems in the order of their codes 1 … 23.
const std::array<ResistingSystem, kSystemCount>& resistingSystems();

// The system of a code; nullptr when the code is not a whole number from 1 to 23.
const ResistingSystem* resistingSystem(double code);

// The moment-frame systems (codes 11 … 16) leave the infill walls of their direction to the user.
bool infillChoiceOpen(double code);

}  // namespace vorn
