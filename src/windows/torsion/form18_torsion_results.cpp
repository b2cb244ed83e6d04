#include "windows/torsion/form18_torsion_results.h"

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form18::OK_Click()
{
  returnTo(s_.project, WindowId::Form18, WindowId::form1);
}

}  // namespace vorn
