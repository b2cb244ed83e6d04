#include "analysis/static/form13_static_results.h"

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"

namespace vorn {

void Form13::OK_Click()
{
  Project& p = s_.project;
  returnTo(p, WindowId::Form13, WindowId::form1);
  p.form1.Command[10].enabled = true;
}

}  // namespace vorn
