#include "windows/pdelta/form25_story_picker.h"

#include <cstdint>

#include "session/session.h"
#include "windows/pdelta/form23_pdelta.h"

namespace vorn {

Form25::Form25(Session& session)
    : StoryPicker(session, WindowId::Form25, session.project.form25.Combo1)
{
}

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
  def();
  showInPlaceOf(WindowId::Form23);
  listStories(s_.form23.storyCount(), form25_texts::story);
}

void Form25::OK_Click()
{
  const int k = chosenStory();
  closeTo(WindowId::Form23);
  s_.form23.showPickedStory(k);
}

void Form25::CANCEL_Click()
{
  candef();
  closeTo(WindowId::Form23);
}

}  // namespace vorn
