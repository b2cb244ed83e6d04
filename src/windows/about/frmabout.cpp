#include "windows/about/frmabout.h"

#include <string>

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void FrmAbout::show()
{
  Form_Load();
  openOver(s_.project, WindowId::form1, WindowId::frmAbout);
}

void FrmAbout::Form_Load()
{
  c_ = FrmAboutControls{};
  loaded_ = true;
  ++loads_;
  s_.project.window(WindowId::frmAbout).caption =
      std::string(frmabout_texts::captionPrefix) + kProgramTitle;
  c_.lblTitle.caption = kProgramTitle;
  c_.lblVersion.caption = std::string(frmabout_texts::versionPrefix) +
                          std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                          "." + std::to_string(kVersionRevision);
}

void FrmAbout::cmdOK_Click()
{
  if (!loaded_) {
    return;
  }
  returnTo(s_.project, WindowId::frmAbout, WindowId::form1);
  c_ = FrmAboutControls{};
  loaded_ = false;
}

}  // namespace vorn
