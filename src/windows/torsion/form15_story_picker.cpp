#include "windows/torsion/form15_story_picker.h"

#include "session/session.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form16_torsion_stories.h"

namespace vorn {

Form15::Form15(Session& session)
    : StoryPicker(session, WindowId::Form15, session.project.form15.Combo1)
{
}

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
  def();
  showOver(WindowId::Form14);
  listStories(s_.form14.storyCount(), form15_texts::item);
}

void Form15::openFromStoryCentres()
{
  def();
  showInPlaceOf(WindowId::Form16);
}

void Form15::Command1_Click()
{
  const int k = chosenStory();
  closeTo(WindowId::Form16);
  s_.form16.showPickedStory(k);
}

void Form15::Command2_Click()
{
  candef();
  closeTo(WindowId::Form14);
}

}  // namespace vorn
