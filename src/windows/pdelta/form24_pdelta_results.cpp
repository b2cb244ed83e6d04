#include "windows/pdelta/form24_pdelta_results.h"

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form24::OK_Click()
{
  returnTo(s_.project, WindowId::Form24, WindowId::Form23);
}

}  // namespace vorn
