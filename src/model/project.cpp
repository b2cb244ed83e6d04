#include "model/project.h"

#include <memory>
#include <utility>

#include "codetables/site_table.h"

namespace vorn {

namespace {

template <typename Array>
void setTexts(Array& boxes, int first, std::initializer_list<const char*> texts)
{
  int k = first;
  for (const char* t : texts) {
    boxes[k++].text = t;
  }
}

}  // namespace

Project::Project()
{
  // Main window: the six input steps, the spectrum and the About box are open.
  for (int k = 1; k <= 16; ++k) {
    form1.Command[k].enabled = (k <= 7 || k == 14);
  }
  form1.Check11.enabled = false;
  ButtonState.fill(false);

  // Site: A from the province and city; Tehran is the preselected province.
  form2.Option1.value = true;
  form2.Option2.value = false;
  form2.Combo1.items = provinceNames();
  form2.Combo1.index = kStartProvince;
  form2.Combo2.items = cityNames(kStartProvince);
  form2.Combo2.index = static_cast<std::int16_t>(preselectedCityIndex(kStartProvince));
  form2.Combo3.items = directAItems();
  form2.Combo3.enabled = false;
  form2.Label2.caption = "A=0.35";
  form2.def1 = form2.Combo1.index;
  form2.def2 = form2.Combo2.index;
  form2.def4 = form2.Label2.caption;

  // Soil type 1 and the medium importance, also as the dialogs' first snapshots.
  form3.Option1[0].value = true;
  form3.def[1] = true;
  form5.Option1[1].value = true;
  form5.def[2] = true;
  form7.Option1[9].value = true;

  // Structure: infill walls in both directions, regular, empirical period.
  for (int k = 1; k <= 4; ++k) {
    form8.Check[k].value = 1;
  }
  form8.Check[1].enabled = false;
  form8.Check[2].enabled = false;
  setTexts(form8.Text, 1, {"1.0", "1", "3"});
  form8.Text[1].enabled = false;
  form8.Command[2].enabled = true;
  form8.Command[3].enabled = false;
  Form8State.fill(false);

  setTexts(form10.Text, 1, {"1", "100", "500", "200", "20", "40", "3", "25", "450", "0", "3"});
  form10.Text[1].enabled = false;  // the story number changes only through the buttons
  setTexts(form14.Text, 1, {"10", "10", "0.6"});
  form14.Option1[0].value = true;
  form14.Option1[1].value = false;
  setTexts(form16.Text, 1, {"1", "5", "5", "5", "5", "10", "10", "1", "1"});
  setTexts(form19.Text, 1, {"10", "0.1"});
  setTexts(form23.Text, 1, {"1", "1.5", "1.5", "1.5", "1.5"});
  form23.Text[1].enabled = false;  // the story number changes only through the buttons

  // Report: only the input table can be chosen at first.
  for (int k = 1; k <= 11; ++k) {
    form27.Check[k].enabled = (k == 1 || k == 11);
    form27.Check[k].value = 0;
  }

  form27.Text1.enabled = false;
  form27.Command3.enabled = false;

  window(WindowId::form1).visible = true;
}

void Project::resetToNew()
{
  auto fresh = std::make_unique<Project>();
  Project& n = *fresh;
  // What a new project does not touch.
  n.windows = windows;
  n.form1.Command[7] = form1.Command[7];
  n.form1.Check11.value = form1.Check11.value;
  n.form2.Combo3.index = form2.Combo3.index;
  n.form7.xory = form7.xory;
  n.form14.Option1 = form14.Option1;
  n.form27.Text1.enabled = form27.Text1.enabled;
  n.form28 = form28;
  *this = std::move(n);
}

void Project::snapshotStories()
{
  storySnapshot = static_cast<const StoryRecords&>(*this);
}

void Project::restoreStories()
{
  static_cast<StoryRecords&>(*this) = storySnapshot;
}

void Project::snapshotTorsion()
{
  static_cast<TorsionCentres&>(torsionSnapshot) = static_cast<const TorsionCentres&>(*this);
  for (int s = 1; s <= kMaxStories; ++s) {
    torsionSnapshot.CMSET[s] = CMSET[s] ? -1.0 : 0.0;
  }
}

void Project::restoreTorsion()
{
  static_cast<TorsionCentres&>(*this) = static_cast<const TorsionCentres&>(torsionSnapshot);
  for (int s = 1; s <= kMaxStories; ++s) {
    CMSET[s] = torsionSnapshot.CMSET[s] != 0.0;
  }
}

void Project::snapshotDrifts()
{
  driftSnapshot = static_cast<const StoryDrifts&>(*this);
}

void Project::restoreDrifts()
{
  static_cast<StoryDrifts&>(*this) = driftSnapshot;
}

}  // namespace vorn
