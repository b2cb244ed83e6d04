#include "inputs/form9_structure_help.h"

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"

namespace vorn {

void Form9::OK_Click()
{
  returnTo(s_.project, WindowId::Form9, WindowId::Form8);
}

}  // namespace vorn
