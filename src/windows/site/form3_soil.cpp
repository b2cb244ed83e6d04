#include "windows/site/form3_soil.h"

#include <cstddef>

#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form3::open()
{
  def();
  openOver(s_.project, WindowId::form1, WindowId::Form3);
}

void Form3::def()
{
  Form3Controls& f = s_.project.form3;
  for (int k = 0; k <= 3; ++k) {
    f.def[k + 1] = f.Option1[k].value;
  }
}

void Form3::candef()
{
  Form3Controls& f = s_.project.form3;
  for (int k = 0; k <= 3; ++k) {
    f.Option1[k].value = f.def[k + 1];
  }
}

void Form3::Option1_Click(int index)
{
  if (index < 0 || index > 3) {
    return;
  }
  Form3Controls& f = s_.project.form3;
  for (int k = 0; k <= 3; ++k) {
    f.Option1[k].value = (k == index);
  }
}

void Form3::Command1_Click()
{
  openOver(s_.project, WindowId::Form3, WindowId::Form4);
}

void Form3::OK_Click()
{
  Project& p = s_.project;
  for (int k = 0; k <= 3; ++k) {
    if (p.form3.Option1[k].value) {
      const SoilType& soil = kSoilTypes[static_cast<std::size_t>(k)];
      p.TS = soil.TS;
      p.T0 = soil.T0;
      p.S = isSoilType4(soil.TS) ? soilType4S(p.a) : soil.S;
      break;
    }
  }
  returnTo(p, WindowId::Form3, WindowId::form1);
}

void Form3::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form3, WindowId::form1);
}

void Form4::Command1_Click()
{
  returnTo(s_.project, WindowId::Form4, WindowId::Form3);
}

}  // namespace vorn
