#include "analysis/static/form21_recommendations.h"

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"

namespace vorn {

void Form21::OK_Click()
{
  returnTo(s_.project, WindowId::Form21, WindowId::form1);
}

}  // namespace vorn
