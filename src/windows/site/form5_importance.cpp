#include "windows/site/form5_importance.h"

#include <cstddef>

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form5::open()
{
  def();
  openOver(s_.project, WindowId::form1, WindowId::Form5);
}

void Form5::def()
{
  Form5Controls& f = s_.project.form5;
  for (int k = 0; k <= 3; ++k) {
    f.def[k + 1] = f.Option1[k].value;
  }
}

void Form5::candef()
{
  Form5Controls& f = s_.project.form5;
  for (int k = 0; k <= 3; ++k) {
    f.Option1[k].value = f.def[k + 1];
  }
}

void Form5::Option1_Click(int index)
{
  if (index < 0 || index > 3) {
    return;
  }
  Form5Controls& f = s_.project.form5;
  for (int k = 0; k <= 3; ++k) {
    f.Option1[k].value = (k == index);
  }
}

void Form5::Command1_Click()
{
  openOver(s_.project, WindowId::Form5, WindowId::Form6);
}

void Form5::OK_Click()
{
  Project& p = s_.project;
  for (int k = 0; k <= 3; ++k) {
    if (p.form5.Option1[k].value) {
      p.i = kImportanceFactors[static_cast<std::size_t>(k)];
      break;
    }
  }
  returnTo(p, WindowId::Form5, WindowId::form1);
}

void Form5::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form5, WindowId::form1);
}

void Form6::OK_Click()
{
  returnTo(s_.project, WindowId::Form6, WindowId::Form5);
}

}  // namespace vorn
