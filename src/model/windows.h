#pragma once

#include <string>
#include <string_view>

namespace vorn {

// Every window of the program. Windows are created once and hidden and shown again; their
// state lives in the project.
enum class WindowId {
  form1,     // main window: the sixteen workflow buttons, NEW, END, the reset check box, File menu
  Form2,     // site and seismic zone dialog: province and city, or A chosen directly
  Form3,     // soil type dialog: soil types 1 to 4
  Form4,     // help for the soil type dialog
  Form5,     // importance dialog: importance factor I
  Form6,     // help for the importance dialog
  Form7,     // lateral-load resisting system dialog, for x or for y
  Form8,     // structure general data dialog: story count, height, infill walls, regularity, period
  Form9,     // help for the structure dialog: when a building counts as regular
  Form10,    // story dialog: areas, loads, walls and height of each story
  Form11,    // story picker that opens the story dialog at a chosen story
  Form12,    // input summary view
  Form13,    // static run results: periods, base shears, story and diaphragm forces
  Form14,    // torsion and overturning input dialog: plan and foundation, amplification factors
  Form15,    // story picker of the per-story torsion dialog
  Form16,    // per-story torsion dialog: centres of mass and rigidity, plan dimensions, factors
  Form17,    // torsion and overturning input summary view
  Form18,    // torsion and overturning results: torsional moments, overturning safety
  Form19,    // design spectrum dialog: largest period and period step
  Form20,    // design spectrum table for dynamic analysis
  Form21,    // design recommendations view
  Form22,    // allowable story drifts view
  Form23,    // P-Delta dialog: the story drifts of both directions
  Form24,    // P-Delta summary and results: stability coefficients, amplified shears
  Form25,    // story picker of the P-Delta dialog
  Form26,    // file dialog of Open and Save As
  Form27,    // report dialog: the tables to print or write to a text file
  Form28,    // report output window
  frmAbout,  // About box
};
inline constexpr int kWindowCount = static_cast<int>(WindowId::frmAbout) + 1;

std::string_view windowName(WindowId id);

struct WindowState {
  bool visible = false;
  bool enabled = true;
  std::string caption;
  int heightTwips = 0;  // 0: the window's own designed height
  // Name of the control that is to get the focus ("Text7"), "" for none. The window logic sets
  // it; the view gives that control the focus at its next drawing and then clears it.
  std::string focus;
  // The window this one was opened over and belongs to on the screen: it stays beneath it and
  // the new window is placed over it. A window shown in the place of another takes that one's
  // opener; a window that no other one opened belongs to the main window.
  WindowId opener = WindowId::form1;
  friend bool operator==(const WindowState&, const WindowState&) = default;
};

}  // namespace vorn
