#include "main_window_driver.h"

#include "session/session.h"
#include "windows/main/form1_main.h"

namespace vorn::test {

void clickMainCommand(Session& session, int k)
{
  session.form1.Command_Click(k);
}

void newProject(Session& session)
{
  session.form1.NW();
}

void lockInputsAfterRun(Session& session)
{
  session.form1.lockInputsAfterRun();
}

}  // namespace vorn::test
