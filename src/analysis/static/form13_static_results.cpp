#include "analysis/static/form13_static_results.h"

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"
#include "model/enabling.h"

namespace vorn {

void Form13::OK_Click()
{
  Project& p = s_.project;
  returnTo(p, WindowId::Form13, WindowId::form1);
  enableMainCommand(p, MainCommand::TorsionInput);
}

}  // namespace vorn
