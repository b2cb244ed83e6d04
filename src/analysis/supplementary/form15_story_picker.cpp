#include "analysis/supplementary/form15_story_picker.h"

#include <cstdint>
#include <string>

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"
#include "model/number_text.h"

namespace vorn {

void Form15::def()
{
  Form15Controls& f = s_.project.form15;
  f.def = f.Combo1.index;
}

void Form15::candef()
{
  Form15Controls& f = s_.project.form15;
  f.Combo1.index = f.def;
}

void Form15::openFromTorsionData()
{
  Project& p = s_.project;
  def();
  openOver(p, WindowId::Form14, WindowId::Form15);
  ComboBox& list = p.form15.Combo1;
  list.items.clear();
  for (int k = 1; k <= s_.form14.storyCount(); ++k) {
    list.items.push_back(std::string(form15_texts::item) + padded(static_cast<double>(k)));
  }
  list.index = 0;
}

void Form15::openFromStoryCentres()
{
  Project& p = s_.project;
  def();
  p.window(WindowId::Form16).visible = false;
  WindowState& picker = p.window(WindowId::Form15);
  picker.visible = true;
  picker.enabled = true;
}

void Form15::Combo1_Click(int index)
{
  s_.project.form15.Combo1.index = static_cast<std::int16_t>(index);
}

void Form15::Command1_Click()
{
  Project& p = s_.project;
  const ComboBox& list = p.form15.Combo1;
  const int k = list.index < 0 ? 1 : list.index + 1;
  p.window(WindowId::Form15).visible = false;
  WindowState& stories = p.window(WindowId::Form16);
  stories.visible = true;
  stories.enabled = true;
  s_.form16.showPickedStory(k);
}

void Form15::Command2_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form15, WindowId::Form14);
}

}  // namespace vorn
