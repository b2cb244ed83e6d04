#include "main_window_driver.h"

#include "session/session.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/main/form1_main.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/spectrum/form19_spectrum.h"

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

void runPDeltaCheck(Session& session)
{
  session.form23.RUN6();
}

void runSpectrumTable(Session& session)
{
  session.form19.RUN5();
}

void openProjectNamed(Session& session, const std::string& name)
{
  session.form26.MENOPEN_Click();
  session.form26.Text1_Change(name);
  session.form26.OK_Click();
}

void saveProjectAs(Session& session, const std::string& folder, const std::string& name)
{
  session.form26.MENSAVEAS_Click();
  session.form26.Dir1_Change(folder);
  session.form26.Text1_Change(name);
  session.form26.OK_Click();
}

}  // namespace vorn::test
