#include "windows/static/form13_static_results.h"

#include "model/enabling.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form13::OK_Click()
{
  Project& p = s_.project;
  returnTo(p, WindowId::Form13, WindowId::form1);
  enableMainCommand(p, MainCommand::TorsionInput);
}

}  // namespace vorn
