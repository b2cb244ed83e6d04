#include "analysis/static/form18_torsion_results.h"

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"

namespace vorn {

void Form18::OK_Click()
{
  returnTo(s_.project, WindowId::Form18, WindowId::form1);
}

}  // namespace vorn
