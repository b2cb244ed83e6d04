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
  IndexedArray<CommandButton, 1, 16> Command;  // the workflow buttons (MainCommand names them)
  CheckBox Check11;   // returns the project to its state before the last run
  CommandButton NEW;  // new project
  CommandButton END;  // exit
};

struct Form2Controls {
  OptionButton Option1;  // A taken from the chosen province and city
  OptionButton Option2;  // A chosen directly
  ComboBox Combo1;       // province
  ComboBox Combo2;       // city of the province
  ComboBox Combo3;       // A chosen directly
  Label Label2;          // "A=…"
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
  // Hmax, HmaxX and HmaxY when the dialog opened, written back by CANCEL.
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
  ComboBox Combo1;        // "طبقه 1" … "طبقه N"
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
// Story 1 is the first story above the base level. Only stories 1 … N are used, but all 200 are
// held, cleared and saved. Units are kilogram (force) and metre.

// The story table of the story dialog.
struct StoryRecords {
  StoryArray AR;        // useful floor area, m²
  StoryArray DL;        // dead load, kg/m²
  StoryArray LL;        // live load, kg/m²
  StoryArray PERL;      // share of the live load taken into the seismic weight, % (0 to 100)
  StoryArray PW;        // length of the perimeter walls, m (the roof's stand for its parapet)
  StoryArray HW;        // height of the perimeter walls, m
  StoryArray PERW;      // openings in the perimeter walls, % (0 to 100)
  StoryArray LW;        // weight of one square metre of wall, kg/m²
  StoryArray LOD;       // other additional loads of the story, kg
  StoryArray HS;        // story height, from the level below, m
  StoryFlags STORYSET;  // the story's data have been entered
};

// Centres and plan dimensions of the stories, typed in the torsion dialogs. Distances are measured
// from the origin, the left corner of the building.
struct TorsionCentres {
  StoryArray CMx, CMy;    // centre of mass in x and y, m
  StoryArray CRx, CRy;    // centre of rigidity in x and y, m
  StoryArray DIMx, DIMy;  // average plan dimensions of the story in x and y, m
};

struct TorsionSnapshot : TorsionCentres {
  StoryArray CMSET;  // -1 for true, 0 for false
};

// Relative story drifts, typed in cm and held in m.
struct StoryDrifts {
  StoryArray DRIFTx, DRIFTy;        // average relative drift of the story in x and y, m
  StoryArray DRIFTMAXx, DRIFTMAXy;  // maximum relative drift in x and y (irregular buildings), m
  StoryFlags DRIFTSET;              // the story's drifts have been entered
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
  // Copy of the enabled states of Command1 … Command16 and Check11, taken just before a save: the
  // file stores this copy.
  IndexedArray<bool, 1, 17> ButtonState;
  bool HASFILE = false;  // the project has a file name: Save writes it without asking for one

  // 2. Site
  Form2Controls form2;
  double a = 0.35;  // design base acceleration A, a fraction of g

  // 3. Soil
  Form3Controls form3;
  double T0 = 0.1;  // period where the plateau of the spectrum factor B starts, s
  double TS = 0.4;  // period where the plateau ends, s; the report names the soil type by it
  double S = 1.5;   // spectral amplification of the soil: the plateau of B is S + 1

  // 4. Importance
  Form5Controls form5;
  double i = 1.0;  // importance factor I: 0.8, 1.0, 1.2 or 1.4

  // 5. Resisting systems
  Form7Controls form7;
  // Resisting system of each direction, a whole number 1 to 23: one plus the index of its option.
  double SYSTEMx = 10, SYSTEMy = 10;
  double Rx = 6, Ry = 6;          // behaviour factor R of each direction
  double Hmax = 50;               // the smaller of the two height limits, m
  double HmaxX = 50, HmaxY = 50;  // height limit of each direction's system, m
  double HmaxO = 50;  // height limit of the direction the system dialog is not editing, m

  // 6. Structure general data
  Form8Controls form8;
  // Enabled states of Check1, Check2 and Text1 of Form8, copied by its OK; the file stores them.
  IndexedArray<bool, 1, 3> Form8State;
  double N = 1;   // number of stories above the base level, a whole number 1 to 200
  double H1 = 3;  // building height above the base level, m
  double T = 1;   // analytical fundamental period, s, used when the empirical formula is off

  // 7. Stories: the arrays are inherited from StoryRecords
  StoryRecords storySnapshot;  // the story table when the structure dialog opened, for its CANCEL
  Form10Controls form10;
  Form11Controls form11;

  // 8. Torsion and overturning input (CMx … DIMy inherited from TorsionCentres)
  // Plan dimensions of the building in x and y, the projections of the foundations included, m;
  // foundation thickness, m.
  double FDIMx = 0, FDIMy = 0, FTHK = 0;
  Form14Controls form14;
  StoryArray Ajx{1.0}, Ajy{1.0};    // amplification factors of the accidental eccentricity, x and y
  StoryFlags CMSET;                 // the story's centre data have been entered
  TorsionSnapshot torsionSnapshot;  // the centres when the torsion dialog opened, for its CANCEL
  Form15Controls form15;
  Form16Controls form16;

  // 9. P-Delta input (DRIFTx … DRIFTSET inherited from StoryDrifts)
  bool PDELTASET = false;     // the drifts of all stories have been entered and confirmed
  StoryDrifts driftSnapshot;  // the drifts when the P-Delta dialog opened, for its CANCEL
  Form23Controls form23;
  Form25Controls form25;
  std::array<StoryArray, 6> reserved;  // six per-story values kept in the file, used by nothing

  // 10. Design spectrum parameters
  double TMAX = 0, TSTEP = 0;  // largest period of the spectrum table and its step, s
  Form19Controls form19;

  // 11. Results of the static run
  double Tx = 0, Ty = 0;      // design period of each direction, s
  double TEx = 0, TEy = 0;    // empirical period of each direction, s
  double TA = 0;              // the analytical period T the run used, s
  double Bx = 0, By = 0;      // spectrum factor B of each direction
  double Cx = 0, Cy = 0;      // seismic coefficient of each direction
  double Vx = 0, Vy = 0;      // base shear of each direction, kg
  double WT = 0;              // total seismic weight, kg
  double Ftx = 0, Fty = 0;    // top force of each direction, kg
  StoryArray StoryWeight;     // seismic weight of the story, kg
  StoryArray ForceX, ForceY;  // lateral force of the story, the roof's with the top force, kg
  StoryArray DiaphragmX, DiaphragmY;  // diaphragm force of the story, kg
  // Height of each level above the base, m; level 0 is the base itself and is not saved.
  LevelArray LevelHeight;

  // 12. Results of the torsion and overturning run
  StoryArray ECCx, ECCy;  // CRx − CMx and CRy − CMy of the story, m
  StoryArray EACCx, EACCy;  // accidental eccentricities Ajx × 0.05 × DIMx and Ajy × 0.05 × DIMy, m
  // Static, accidental and total torsional moment of the story for the x shear, then the y shear,
  // kg·m.
  StoryArray MTx, MTAx, MTTx;
  StoryArray MTy, MTAy, MTTy;
  double HF = 0;            // height of the structure from the foundation, H1 + FTHK, m
  double MOx = 0, MOy = 0;  // overturning moments, kg·m
  double MRx = 0, MRy = 0;  // resisting moments, kg·m
  double SFx = 0, SFy = 0;  // safety factors against overturning, MRx / MOx and MRy / MOy
  double overturnH1 = 0;    // the copy of H1 kept by the overturning computation
  double sumWCMx = 0;       // sum of StoryWeight × CMx
  double sumWFarX = 0;      // sum of StoryWeight × (FDIMx − CMx)
  double sumWCMy = 0;       // sum of StoryWeight × CMy
  double sumWFarY = 0;      // sum of StoryWeight × (FDIMy − CMy)
  // TORNEG: the building is low enough for the test whether torsion may be neglected; TORNEGx,
  // TORNEGy: torsion may be neglected for the earthquake in x (the test on the y distances passed),
  // in y (the test on the x distances passed).
  bool TORNEG = false, TORNEGx = false, TORNEGy = false;

  // 13. Results of the P-Delta run
  StoryArray PGRAV;             // gravity load carried by the story (it and every story above), kg
  StoryArray VSTORYx, VSTORYy;  // story shears, kg
  StoryArray THETAx, THETAy;    // stability coefficients
  StoryArray VPDx, VPDy;        // story shears amplified for the P-Delta effect, whole kg
  StoryArray VADDx, VADDy;      // shears the P-Delta effect adds, kg

  // 14. Design recommendations
  bool REC1 = false;  // a dynamic analysis is mandatory
  bool REC2 = false;  // a spectrum of the site's own is mandatory

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
