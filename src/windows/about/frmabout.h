#pragma once

#include "model/controls.h"
#include "session/prompter.h"

namespace vorn {

class Session;

// Texts of the About box.
namespace frmabout_texts {
inline constexpr const char* captionPrefix = "About ";
inline constexpr const char* versionPrefix = "Version ";
inline constexpr const char* cmdOK = "OK";
}  // namespace frmabout_texts

// The program's version; its title is kProgramTitle.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// Controls of the About box. They exist only while it is loaded; lblDescription, Label1 and
// lblDisclaimer stay empty.
struct FrmAboutControls {
  Label lblTitle, lblVersion, lblDescription, Label1, lblDisclaimer;
  CommandButton cmdOK;
};

// Logic of the About box. Unlike every other window it is loaded each time it is opened and
// unloaded when it closes.
class FrmAbout {
public:
  explicit FrmAbout(Session& session) : s_(session) {}

  // The main window's About button: load, disable the main window, show modeless.
  void show();
  // Sets the caption, title and version.
  void Form_Load();
  // Shows and enables the main window and unloads the About box.
  void cmdOK_Click();
  // The window frame's close button does what OK does.
  void Form_QueryUnload() { cmdOK_Click(); }

  bool loaded() const { return loaded_; }
  // How many times the box has been loaded; the view builds its widgets anew for each load.
  int loadCount() const { return loads_; }
  const FrmAboutControls& controls() const { return c_; }

private:
  Session& s_;
  FrmAboutControls c_;
  bool loaded_ = false;
  int loads_ = 0;
};

}  // namespace vorn
