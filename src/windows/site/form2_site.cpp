#include "windows/site/form2_site.h"

#include <cstddef>
#include <cstdint>

#include "codetables/site_table.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/site/form3_soil.h"

namespace vorn {

namespace {

// A list position as the list holds it: a position outside the list selects nothing.
std::int16_t position(const ComboBox& list, int index)
{
  if (index < 0 || static_cast<std::size_t>(index) >= list.items.size()) {
    return -1;
  }
  return static_cast<std::int16_t>(index);
}

// The lists that each way of fixing A uses.
void enableForSite(Form2Controls& f)
{
  f.Combo3.enabled = false;
  f.Combo1.enabled = true;
  f.Combo2.enabled = true;
}

void enableForDirectChoice(Form2Controls& f)
{
  f.Combo3.enabled = true;
  f.Combo1.enabled = false;
  f.Combo2.enabled = false;
}

}  // namespace

void Form2::open()
{
  def();
  openOver(s_.project, WindowId::form1, WindowId::Form2);
}

void Form2::def()
{
  Project& p = s_.project;
  Form2Controls& f = p.form2;
  f.def1 = f.Combo1.index;
  f.def2 = f.Combo2.index;
  f.def3 = f.Combo3.index;
  f.def4 = f.Label2.caption;
  f.def5 = f.Option1.value;
  f.DEF6 = f.Option2.value;
  f.defA = p.a;
  f.defS = p.S;
}

void Form2::candef()
{
  Project& p = s_.project;
  Form2Controls& f = p.form2;
  f.Combo1.index = position(f.Combo1, f.def1);
  f.Combo2.items = cityNames(f.Combo1.index);
  f.Combo2.index = position(f.Combo2, f.def2);
  f.Combo3.index = position(f.Combo3, f.def3);
  f.Label2.caption = f.def4;
  f.Option1.value = f.def5;
  f.Option2.value = f.DEF6;
  if (f.def5) {
    enableForSite(f);
  } else if (f.DEF6) {
    enableForDirectChoice(f);
  }
  p.a = f.defA;
  p.S = f.defS;
}

void Form2::shetab()
{
  Project& p = s_.project;
  Form2Controls& f = p.form2;
  if (f.Option1.value) {
    if (const auto a = cityA(f.Combo1.index, f.Combo2.index)) {
      p.a = *a;
    }
  } else if (f.Combo3.index >= 0 &&
             static_cast<std::size_t>(f.Combo3.index) < kDirectAValues.size()) {
    p.a = kDirectAValues[static_cast<std::size_t>(f.Combo3.index)];
  }
  f.Label2.caption = std::string(form2_texts::labelPrefix) + plain(p.a);
  if (isSoilType4(p.TS)) {
    p.S = soilType4S(p.a);
  }
}

void Form2::Option1_Click()
{
  Form2Controls& f = s_.project.form2;
  f.Option1.value = true;
  f.Option2.value = false;
  enableForSite(f);
}

void Form2::Option2_Click()
{
  Form2Controls& f = s_.project.form2;
  f.Option2.value = true;
  f.Option1.value = false;
  enableForDirectChoice(f);
  Combo3_Click(2);
}

void Form2::Combo1_Click(int index)
{
  Form2Controls& f = s_.project.form2;
  f.Combo1.index = position(f.Combo1, index);
  f.Combo2.items = cityNames(f.Combo1.index);
  f.Combo2.index = static_cast<std::int16_t>(preselectedCityIndex(f.Combo1.index));
  shetab();
}

void Form2::Combo2_Click(int index)
{
  Form2Controls& f = s_.project.form2;
  f.Combo2.index = position(f.Combo2, index);
  shetab();
}

void Form2::Combo3_Click(int index)
{
  Form2Controls& f = s_.project.form2;
  f.Combo3.index = position(f.Combo3, index);
  if (f.Combo3.index >= 0) {
    f.Label2.caption = std::string(form2_texts::labelPrefix) +
                       f.Combo3.items[static_cast<std::size_t>(f.Combo3.index)];
  }
}

void Form2::OK_Click()
{
  shetab();
  returnTo(s_.project, WindowId::Form2, WindowId::form1);
}

void Form2::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form2, WindowId::form1);
}

}  // namespace vorn
