#include "report/form27_print.h"

#include "mainwindow/session.h"

namespace vorn {

void Form27::Check11_Click()
{
  Form27Controls& f = s_.project.form27;
  const bool toFile = f.Check[11].value == 1;
  f.Text1.enabled = toFile;
  f.Command3.enabled = toFile;
  f.OK.enabled = !(toFile && f.Text1.text.empty());
}

}  // namespace vorn
