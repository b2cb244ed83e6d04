#include "windows/common/story_picker.h"

#include <cstdint>
#include <string>

#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"

namespace vorn {

void StoryPicker::Combo1_Click(int index)
{
  list_.index = static_cast<std::int16_t>(index);
}

void StoryPicker::listStories(int count, std::string_view word)
{
  list_.items.clear();
  for (int k = 1; k <= count; ++k) {
    list_.items.push_back(std::string(word) + padded(static_cast<double>(k)));
  }
  list_.index = 0;
}

int StoryPicker::chosenStory() const
{
  return list_.index < 0 ? 1 : list_.index + 1;
}

void StoryPicker::showOver(WindowId opener)
{
  openOver(s_.project, opener, picker_);
}

void StoryPicker::showInPlaceOf(WindowId window)
{
  vorn::showInPlaceOf(s_.project, window, picker_);
}

void StoryPicker::closeTo(WindowId window)
{
  // Back to the window the picker was opened over, or on to a window that takes its place.
  if (s_.project.window(picker_).opener == window) {
    returnTo(s_.project, picker_, window);
  } else {
    vorn::showInPlaceOf(s_.project, picker_, window);
  }
}

}  // namespace vorn
