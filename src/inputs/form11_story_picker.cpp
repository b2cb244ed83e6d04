#include "inputs/form11_story_picker.h"

#include <cstdint>

#include "mainwindow/session.h"
#include "mainwindow/window_protocol.h"
#include "model/number_text.h"

namespace vorn {

void Form11::openFromStructure()
{
  open(WindowId::Form8);
}

void Form11::openFromStories()
{
  open(WindowId::Form10);
}

void Form11::open(WindowId opener)
{
  Project& p = s_.project;
  opener_ = opener;
  openOver(p, opener, WindowId::Form11);
  ComboBox& list = p.form11.Combo1;
  list.items.clear();
  const int n = p.N >= 1 && p.N <= kMaxStories ? static_cast<int>(p.N) : 1;
  for (int k = 1; k <= n; ++k) {
    list.items.push_back(padded(static_cast<double>(k)));
  }
  list.index = 0;
}

void Form11::Combo1_Click(int index)
{
  s_.project.form11.Combo1.index = static_cast<std::int16_t>(index);
}

void Form11::OK_Click()
{
  Project& p = s_.project;
  const ComboBox& list = p.form11.Combo1;
  const int k = list.index < 0 ? 1 : list.index + 1;
  returnTo(p, WindowId::Form11, WindowId::Form10);
  s_.form10.showPickedStory(k);
}

void Form11::CANCEL_Click()
{
  returnTo(s_.project, WindowId::Form11, opener_);
}

}  // namespace vorn
