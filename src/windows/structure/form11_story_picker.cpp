#include "windows/structure/form11_story_picker.h"

#include "session/session.h"
#include "windows/structure/form10_stories.h"

namespace vorn {

Form11::Form11(Session& session)
    : StoryPicker(session, WindowId::Form11, session.project.form11.Combo1)
{
}

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
  const double n = s_.project.N;
  opener_ = opener;
  showOver(opener);
  listStories(n >= 1 && n <= kMaxStories ? static_cast<int>(n) : 1);
}

void Form11::OK_Click()
{
  const int k = chosenStory();
  closeTo(WindowId::Form10);
  s_.form10.showPickedStory(k);
}

void Form11::CANCEL_Click()
{
  closeTo(opener_);
}

}  // namespace vorn
