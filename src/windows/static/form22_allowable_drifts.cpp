#include "windows/static/form22_allowable_drifts.h"

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form22::OK_Click()
{
  returnTo(s_.project, WindowId::Form22, WindowId::form1);
}

}  // namespace vorn
