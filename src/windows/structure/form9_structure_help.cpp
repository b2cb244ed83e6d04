#include "windows/structure/form9_structure_help.h"

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form9::OK_Click()
{
  returnTo(s_.project, WindowId::Form9, WindowId::Form8);
}

}  // namespace vorn
