#include "session/window_protocol.h"

namespace vorn {

void openOver(Project& project, WindowId opener, WindowId window)
{
  project.window(opener).enabled = false;
  WindowState& shown = project.window(window);
  shown.visible = true;
  shown.enabled = true;
  shown.opener = opener;
}

void returnTo(Project& project, WindowId closing, WindowId opener)
{
  WindowState& back = project.window(opener);
  back.enabled = true;
  back.visible = true;
  project.window(closing).visible = false;
}

void showInPlaceOf(Project& project, WindowId replaced, WindowId window)
{
  WindowState& hidden = project.window(replaced);
  hidden.visible = false;
  WindowState& shown = project.window(window);
  shown.visible = true;
  shown.enabled = true;
  shown.opener = hidden.opener;
}

}  // namespace vorn
