#include "inputs/form25_story_picker.h"

#include <cstdint>
#include <string>

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"
#include "model/number_text.h"

namespace vorn {

void Form25::def()
{
  Form25Controls& f = s_.project.form25;
  f.def = f.Combo1.index;
}

void Form25::candef()
{
  Form25Controls& f = s_.project.form25;
  // A position beyond the list (the story count was lowered since) selects nothing.
  const int count = static_cast<int>(f.Combo1.items.size());
  f.Combo1.index = f.def < count ? f.def : std::int16_t{-1};
}

void Form25::open()
{
  Project& p = s_.project;
  def();
  WindowState& picker = p.window(WindowId::Form25);
  picker.visible = true;
  picker.enabled = true;
  p.window(WindowId::Form23).visible = false;
  ComboBox& list = p.form25.Combo1;
  list.items.clear();
  const int n = s_.form23.storyCount();
  for (int k = 1; k <= n; ++k) {
    list.items.push_back(std::string(form25_texts::story) + padded(static_cast<double>(k)));
  }
  list.index = 0;
}

void Form25::Combo1_Click(int index)
{
  s_.project.form25.Combo1.index = static_cast<std::int16_t>(index);
}

void Form25::OK_Click()
{
  Project& p = s_.project;
  const ComboBox& list = p.form25.Combo1;
  const int k = list.index < 0 ? 1 : list.index + 1;
  returnTo(p, WindowId::Form25, WindowId::Form23);
  s_.form23.showPickedStory(k);
}

void Form25::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form25, WindowId::Form23);
}

}  // namespace vorn
