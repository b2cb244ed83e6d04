#include "windows/site/form7_systems.h"

#include "codetables/system_table.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void Form7::showForX()
{
  Project& p = s_.project;
  p.window(WindowId::Form7).caption = form7_texts::captionX;
  defx();
  openOver(p, WindowId::form1, WindowId::Form7);
  p.form7.xory = "x";
  p.HmaxO = p.HmaxY;
  p.form7.hmaxXDEF = p.HmaxX;
  p.form7.hmaxYDEF = p.HmaxY;
  p.form7.hmaxDEF = p.Hmax;
}

void Form7::showForY()
{
  Project& p = s_.project;
  defy();
  p.window(WindowId::Form7).caption = form7_texts::captionY;
  openOver(p, WindowId::form1, WindowId::Form7);
  p.form7.xory = "y";
  p.HmaxO = p.HmaxX;
  p.form7.hmaxXDEF = p.HmaxX;
  p.form7.hmaxYDEF = p.HmaxY;
  p.form7.hmaxDEF = p.Hmax;
}

void Form7::defx()
{
  Project& p = s_.project;
  select(p.SYSTEMx);
  p.form7.def1 = p.SYSTEMx;
  p.form7.hmaxXDEF = p.HmaxX;
}

void Form7::defy()
{
  Project& p = s_.project;
  select(p.SYSTEMy);
  p.form7.def2 = p.SYSTEMy;
  p.form7.hmaxYDEF = p.HmaxY;
}

void Form7::candefx()
{
  Project& p = s_.project;
  select(p.form7.def1);
  p.SYSTEMx = p.form7.def1;
  p.Hmax = p.form7.hmaxDEF;
  p.HmaxX = p.form7.hmaxXDEF;
}

void Form7::candefy()
{
  Project& p = s_.project;
  select(p.form7.def2);
  p.SYSTEMy = p.form7.def2;
  p.Hmax = p.form7.hmaxDEF;
  p.HmaxY = p.form7.hmaxYDEF;
}

void Form7::Option1_Click(int index)
{
  if (index < 0 || index >= kSystemCount) {
    return;
  }
  select(index + 1);
}

void Form7::OK_Click()
{
  Project& p = s_.project;
  const bool x = p.form7.xory == "x";
  if (const ResistingSystem* chosen = resistingSystem(selectedCode())) {
    (x ? p.SYSTEMx : p.SYSTEMy) = chosen->code;
    (x ? p.Rx : p.Ry) = chosen->R;
    (x ? p.HmaxX : p.HmaxY) = chosen->heightLimit;
  }
  p.Hmax = p.HmaxX < p.HmaxY ? p.HmaxX : p.HmaxY;
  returnTo(p, WindowId::Form7, WindowId::form1);
  p.form8.Check[x ? 1 : 2].enabled = infillChoiceOpen(x ? p.SYSTEMx : p.SYSTEMy);
}

void Form7::CANCEL_Click()
{
  Project& p = s_.project;
  if (p.window(WindowId::Form7).caption == form7_texts::captionX) {
    candefx();
  } else {
    candefy();
  }
  returnTo(p, WindowId::Form7, WindowId::form1);
}

int Form7::selectedCode() const
{
  const Form7Controls& f = s_.project.form7;
  for (int k = 0; k < kSystemCount; ++k) {
    if (f.Option1[k].value) {
      return k + 1;
    }
  }
  return 0;
}

void Form7::select(double code)
{
  const ResistingSystem* chosen = resistingSystem(code);
  Form7Controls& f = s_.project.form7;
  for (int k = 0; k < kSystemCount; ++k) {
    f.Option1[k].value = chosen != nullptr && chosen->code == k + 1;
  }
}

}  // namespace vorn
