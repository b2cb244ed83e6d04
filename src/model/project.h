#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/controls.h"
#include "model/grid.h"
#include "model/indexed_array.h"
#include "model/windows.h"

namespace vorn {

// ---- Control state of the windows -------------------------------------------------------------
// Numbered controls (Command1 … Command16, Text1 …, Check1 …) are arrays indexed by their number;
// control arrays of the designer (Option1(0) …) are arrays indexed from 0.

struct Form1Controls {
  IndexedArray<CommandButton, 1, 16> Command;
  CheckBox Check11;
  CommandButton NEW;
  CommandButton END;
};

struct Form2Controls {
  OptionButton Option1;
  OptionButton Option2;
  ComboBox Combo1;  // province
  ComboBox Combo2;  // city of the province
  ComboBox Combo3;  // A chosen directly
  Label Label2;     // "A=…"
  // Snapshot taken when the dialog opens, written back by CANCEL: the three list positions, the
  // label, the two options, and the A and soil S that were in force.
  std::int16_t def1 = -1, def2 = -1, def3 = -1;
  std::string def4;
  bool def5 = true, DEF6 = false;
  double defA = 0.35, defS = 1.5;
};

struct Form3Controls {
  IndexedArray<OptionButton, 0, 3> Option1;  // soil types 1 to 4
  IndexedArray<bool, 1, 4> def;              // option states when the dialog opened (def1 … def4)
};

struct Form5Controls {
  IndexedArray<OptionButton, 0, 3> Option1;  // I = 0.8, 1.0, 1.2, 1.4
  IndexedArray<bool, 1, 4> def;              // option states when the dialog opened (def1 … def4)
};

struct Form7Controls {
  IndexedArray<OptionButton, 0, 22> Option1;  // the 23 resisting systems
  double hmaxDEF = 50;
  double hmaxXDEF = 50;
  double hmaxYDEF = 50;
  std::string xory;  // "x" or "y": the direction being edited
  double def1 = 10;  // SYSTEMx when the dialog opened for x
  double def2 = 10;  // SYSTEMy when the dialog opened for y
};

struct Form8Controls {
  IndexedArray<CheckBox, 1, 4> Check;         // infill x, infill y, regular, empirical period
  IndexedArray<TextBox, 1, 3> Text;           // analytical period, story count, height
  IndexedArray<CommandButton, 2, 3> Command;  // first entry of the stories, editing them
  // Snapshot taken when the dialog opens, written back by CANCEL: the four check values
  // (def1 … def4), the three box texts (def5, DEF6, DEF7) and N, H1, T.
  IndexedArray<bool, 1, 4> def{true};
  std::string def5 = "1.0", DEF6 = "1", DEF7 = "3";
  double defN = 1, defH1 = 3, defT = 1;
};

struct Form10Controls {
  IndexedArray<TextBox, 1, 11> Text;  // story number, then AR … HS
  double i = 1;                       // number of the story being edited
  // previous, next, select by number, all stories alike, all stories but the roof alike
  IndexedArray<CommandButton, 1, 5> Command;
  ComboBox Combo1;  // same as story …
  ComboBox Combo2;  // start from story …
  Label Label2;     // the penthouse note, shown with the roof story
};

struct Form11Controls {
  ComboBox Combo1;  // the story to edit
};

struct Form14Controls {
  IndexedArray<TextBox, 1, 3> Text;          // FDIMx, FDIMy, FTHK
  IndexedArray<OptionButton, 0, 1> Option1;  // factors typed / computed from the drifts
  Label Label2;                              // heading of the option pair
  // Snapshot taken when the dialog opens, written back by CANCEL: the numeric values of the
  // three boxes, the chosen option and whether the torsion run was available.
  double def1 = 10, def2 = 10, def3 = 0.6;
  int defOption = 0;
  bool defCommand12 = false;
};

struct Form15Controls {
  ComboBox Combo1;         // "طبقه 1" … "طبقه N"
  std::int16_t def = -1;  // list position when the picker opened
};

struct Form16Controls {
  IndexedArray<TextBox, 1, 9> Text;  // story number, then CMx, CMy, CRx, CRy, DIMx, DIMy, Ajx, Ajy
  // previous, next, pick by number, every story like this one
  IndexedArray<CommandButton, 1, 4> Command;
  // Numeric values of Text2 … Text9 when the window was opened from the picker.
  IndexedArray<double, 2, 9> def{};
};

struct Form19Controls {
  IndexedArray<TextBox, 1, 2> Text;  // TMAX, TSTEP
  double def1 = 10;                  // numeric values of Text1 and Text2 when the dialog opened
  double def2 = 0.1;
  int rowCount = 0;  // grid rows of the last spectrum table, header included
};

struct Form23Controls {
  IndexedArray<TextBox, 1, 5> Text;  // story number, then drifts in cm
  // previous, next, pick by number, results, all stories alike
  IndexedArray<CommandButton, 1, 5> Command;
  // Numeric values of Text1 … Text5 when the dialog opened, written back by CANCEL.
  IndexedArray<double, 1, 5> def{1.5};
};

struct Form25Controls {
  ComboBox Combo1;        // "طبقه 1" … one item per story
  std::int16_t def = -1;  // list position when the picker opened, restored by CANCEL
};

struct Form27Controls {
  IndexedArray<CheckBox, 1, 11> Check;  // tables 1 to 10, then "print to text file"
  TextBox Text1;                        // report file path
  CommandButton Command3;               // BROWSE
  CommandButton OK;
  friend bool operator==(const Form27Controls&, const Form27Controls&) = default;
};

// What a view window shows: its grid and, where it has one, its text list.
struct ViewContents {
  ViewContents(int cols) : MSFlexGrid1(2, cols) {}
  Grid MSFlexGrid1;
  ListBox List1;
  friend bool operator==(const ViewContents&, const ViewContents&) = default;
};

// The input summary: its grid and the thirteen labels Label1(0) … Label1(12).
struct Form12Contents : ViewContents {
  Form12Contents() : ViewContents(11) {}
  IndexedArray<Label, 0, 12> Label1;
  friend bool operator==(const Form12Contents&, const Form12Contents&) = default;
};

// The torsion input summary: its grid, the unit label Label1 and the plan labels Label2 … Label4.
struct Form17Contents : ViewContents {
  Form17Contents() : ViewContents(7) {}
  Label Label1, Label2, Label3, Label4;
  friend bool operator==(const Form17Contents&, const Form17Contents&) = default;
};

// The torsion results: the grid, the unit label Label1, the height Label2, the moments Label3(0)
// (MOx), Label3(1) (MOy), Label4 (MRx), Label3(2) (MRy), the safety factors Label5 (x) and
// Label8 (y) with their verdicts Label6(0) and Label6(1), and the conclusion Label7.
struct Form18Contents : ViewContents {
  Form18Contents() : ViewContents(2) {}
  Label Label1, Label2, Label4, Label5, Label7, Label8;
  IndexedArray<Label, 0, 2> Label3;
  IndexedArray<Label, 0, 1> Label6;
  friend bool operator==(const Form18Contents&, const Form18Contents&) = default;
};

// The report output window: the text of its rich-text box, as read back from the report file.
struct Form28Contents {
  std::string RichTextBox1;
  friend bool operator==(const Form28Contents&, const Form28Contents&) = default;
};

// ---- Per-story groups (also the shapes of the snapshots) -------------------------------------

struct StoryRecords {
  StoryArray AR, DL, LL, PERL, PW, HW, PERW, LW, LOD, HS;
  StoryFlags STORYSET;
};

struct TorsionCentres {
  StoryArray CMx, CMy, CRx, CRy, DIMx, DIMy;
};

struct TorsionSnapshot : TorsionCentres {
  StoryArray CMSET;  // -1 for true, 0 for false
};

struct StoryDrifts {
  StoryArray DRIFTx, DRIFTy, DRIFTMAXx, DRIFTMAXy;
  StoryFlags DRIFTSET;
};

// ---- The project --------------------------------------------------------------------------------
// The one open project: typed fields, the control state of every window and the contents of every
// view. A default-constructed project is the state at program start.
struct Project : StoryRecords, TorsionCentres, StoryDrifts {
  Project();

  // Resets to the new-project state. What a new project leaves alone stays: the windows (shown,
  // enabled), the About button, the values of the reset check box and of Combo3 of the site
  // dialog, the system dialog's direction, the torsion dialog's option pair, the enabled state
  // of the report path box and the last report in the output window.
  void resetToNew();

  // Snapshots taken when a dialog opens and written back by its CANCEL.
  void snapshotStories();
  void restoreStories();
  void snapshotTorsion();
  void restoreTorsion();
  void snapshotDrifts();
  void restoreDrifts();

  WindowState& window(WindowId id) { return windows.at(static_cast<std::size_t>(id)); }
  const WindowState& window(WindowId id) const { return windows.at(static_cast<std::size_t>(id)); }

  // 1. Main window
  Form1Controls form1;
  IndexedArray<bool, 1, 17> ButtonState;  // copy of Command1 … Command16 and Check11 enabled
  bool HASFILE = false;

  // 2. Site
  Form2Controls form2;
  double a = 0.35;

  // 3. Soil
  Form3Controls form3;
  double T0 = 0.1;
  double TS = 0.4;
  double S = 1.5;

  // 4. Importance
  Form5Controls form5;
  double i = 1.0;

  // 5. Resisting systems
  Form7Controls form7;
  double SYSTEMx = 10, SYSTEMy = 10;
  double Rx = 6, Ry = 6;
  double Hmax = 50, HmaxX = 50, HmaxY = 50, HmaxO = 50;

  // 6. Structure general data
  Form8Controls form8;
  IndexedArray<bool, 1, 3> Form8State;  // enabled states of Check1, Check2, Text1 of Form8
  double N = 1;
  double H1 = 3;
  double T = 1;

  // 7. Stories: the arrays are inherited from StoryRecords
  StoryRecords storySnapshot;
  Form10Controls form10;
  Form11Controls form11;

  // 8. Torsion and overturning input (CMx … DIMy inherited from TorsionCentres)
  double FDIMx = 0, FDIMy = 0, FTHK = 0;
  Form14Controls form14;
  StoryArray Ajx{1.0}, Ajy{1.0};
  StoryFlags CMSET;
  TorsionSnapshot torsionSnapshot;
  Form15Controls form15;
  Form16Controls form16;

  // 9. P-Delta input (DRIFTx … DRIFTSET inherited from StoryDrifts)
  bool PDELTASET = false;
  StoryDrifts driftSnapshot;
  Form23Controls form23;
  Form25Controls form25;
  std::array<StoryArray, 6> reserved;  // six per-story values kept in the file, used by nothing

  // 10. Design spectrum parameters
  double TMAX = 0, TSTEP = 0;
  Form19Controls form19;

  // 11. Results of the static run
  double Tx = 0, Ty = 0, TEx = 0, TEy = 0, TA = 0;
  double Bx = 0, By = 0, Cx = 0, Cy = 0, Vx = 0, Vy = 0;
  double WT = 0, Ftx = 0, Fty = 0;
  StoryArray StoryWeight, ForceX, ForceY, DiaphragmX, DiaphragmY;
  LevelArray LevelHeight;

  // 12. Results of the torsion and overturning run
  StoryArray ECCx, ECCy, EACCx, EACCy, MTx, MTAx, MTTx, MTy, MTAy, MTTy;
  double HF = 0, MOx = 0, MOy = 0, MRx = 0, MRy = 0, SFx = 0, SFy = 0;
  double overturnH1 = 0;  // the copy of H1 kept by the overturning computation
  double sumWCMx = 0;     // sum of StoryWeight × CMx
  double sumWFarX = 0;    // sum of StoryWeight × (FDIMx − CMx)
  double sumWCMy = 0;     // sum of StoryWeight × CMy
  double sumWFarY = 0;    // sum of StoryWeight × (FDIMy − CMy)
  bool TORNEG = false, TORNEGx = false, TORNEGy = false;

  // 13. Results of the P-Delta run
  StoryArray PGRAV, VSTORYx, VSTORYy, THETAx, THETAy, VPDx, VPDy, VADDx, VADDy;

  // 14. Design recommendations
  bool REC1 = false, REC2 = false;

  // 15. Report options
  Form27Controls form27;

  // Contents of the view windows
  Form12Contents form12;
  ViewContents form13{8}, form20{3}, form21{2}, form22{5}, form24{14};
  Form17Contents form17;
  Form18Contents form18;
  Form28Contents form28;

  // Every window's own state (shown, enabled, caption, focus)
  std::array<WindowState, kWindowCount> windows;
};

}  // namespace vorn
