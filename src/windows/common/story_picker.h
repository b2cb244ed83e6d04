#pragma once

#include <string_view>

#include "model/windows.h"

namespace vorn {

class Session;
struct ComboBox;

// What the three story pickers share: a list of the building's stories in which the user chooses
// one, the way the picker opens (over its opener or in the place of a window it hides) and the
// way it closes back into a window. Each picker adds where it opens from, what its list items
// say, whether CANCEL puts the list position back, and which window OK shows the story in.
class StoryPicker {
public:
  // A story was chosen in the list (its position: story 1 is 0).
  void Combo1_Click(int index);

protected:
  // `list` is the picker's list in the session's project.
  StoryPicker(Session& session, WindowId picker, ComboBox& list)
      : s_(session), picker_(picker), list_(list)
  {
  }

  // Lists the stories 1 … `count`, each as `word` followed by its number, the first one chosen.
  void listStories(int count, std::string_view word = {});
  // The story the list names: its position plus one, story 1 when nothing is chosen.
  int chosenStory() const;

  // Shows the picker over `opener`, which is disabled until the picker closes.
  void showOver(WindowId opener);
  // Shows the picker in the place of `window`, which is hidden.
  void showInPlaceOf(WindowId window);
  // Hides the picker and brings `window` back, enabled.
  void closeTo(WindowId window);

  Session& s_;

private:
  WindowId picker_;
  ComboBox& list_;
};

}  // namespace vorn
