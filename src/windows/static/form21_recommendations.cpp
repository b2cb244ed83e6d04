#include "windows/static/form21_recommendations.h"

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form21::OK_Click()
{
  returnTo(s_.project, WindowId::Form21, WindowId::form1);
}

}  // namespace vorn
