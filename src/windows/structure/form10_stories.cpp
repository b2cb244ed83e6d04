#include "windows/structure/form10_stories.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/structure/form11_story_picker.h"
#include "windows/structure/form8_structure.h"

namespace vorn {

namespace {

// The story record behind each data box Text2 … Text11, in box order.
constexpr std::array<StoryArray StoryRecords::*, 10> kFields = {
    &StoryRecords::AR,  &StoryRecords::DL, &StoryRecords::LL,   &StoryRecords::PERL,
    &StoryRecords::PW,  &StoryRecords::HW, &StoryRecords::PERW, &StoryRecords::LW,
    &StoryRecords::LOD, &StoryRecords::HS};

// Positions in the working record.
constexpr std::size_t kHW = 5;
constexpr std::size_t kHS = 9;

StoryArray& field(Project& p, int box)
{
  return p.*kFields.at(static_cast<std::size_t>(box - 2));
}

// A story number of the table: whole and from 1 to 200.
bool isStory(double v)
{
  return v >= 1 && v <= kMaxStories && std::floor(v) == v;
}

}  // namespace

Form10::Form10(Session& session)
    : s_(session),
      boxes_(session.project, session.prompter, WindowId::Form10,
             [&p = session.project](int k) -> TextBox& { return p.form10.Text[k]; })
{
  // A refused box gets back the stored value of the shown story when that story is entered,
  // otherwise its default text.
  auto restore = [this](int box) {
    return [this, box] {
      Project& p = s_.project;
      const int story = shownStory();
      if (story > 0 && p.STORYSET[story]) {
        return padded(field(p, box)[story]);
      }
      return std::string(form10_texts::defaultTexts.at(static_cast<std::size_t>(box - 2)));
    };
  };
  auto message = [](int box) {
    return form10_texts::leaveMessages.at(static_cast<std::size_t>(box - 2));
  };
  boxes_.add(2, "##.##", above(0), message(2), restore(2))
      .add(3, "##.##", above(0), message(3), restore(3))
      .add(4, "##.##", above(0), message(4), restore(4))
      .add(5, "##.#", within(0, 100), message(5), restore(5))
      .add(6, "##.#", atLeast(0), message(6), restore(6))
      .add(7, "##.#", within(0, 100), message(7), restore(7))
      .add(8, "##.#", within(0, 100), message(8), restore(8))
      .add(9, "##.#", atLeast(0), message(9), restore(9))
      .add(10, "##.#", atLeast(0), message(10), restore(10))
      .add(11, "##.##", above(0), message(11), restore(11));
}

int Form10::storyCount() const
{
  const double n = s_.project.N;
  return isStory(n) ? static_cast<int>(n) : 1;
}

int Form10::shownStory() const
{
  const double v = numericValue(s_.project.form10.Text[1].text);
  return isStory(v) ? static_cast<int>(v) : 0;
}

void Form10::showStory(int k, const std::string& text)
{
  Form10Controls& f = s_.project.form10;
  f.Text[1].text = text;
  const int n = storyCount();
  f.Command[1].enabled = k != 1;
  f.Command[2].enabled = k != n;
  f.Label2.visible = k == n;
}

void Form10::refillPickers()
{
  Form10Controls& f = s_.project.form10;
  std::vector<std::string> items{"-"};
  for (int k = 1; k <= storyCount(); ++k) {
    items.push_back(padded(static_cast<double>(k)));
  }
  f.Combo1.items = items;
  f.Combo2.items = items;
  resetPickers();
}

void Form10::resetPickers()
{
  Form10Controls& f = s_.project.form10;
  f.Combo1.index = 0;
  f.Combo2.index = 0;
  lockBoxes(false);
}

void Form10::lockBoxes(bool locked)
{
  Form10Controls& f = s_.project.form10;
  for (int k = 2; k <= 11; ++k) {
    f.Text[k].enabled = !locked;
  }
  f.Combo2.enabled = !locked;
}

void Form10::fillBoxes(int story)
{
  Project& p = s_.project;
  for (int k = 2; k <= 11; ++k) {
    p.form10.Text[k].text = padded(field(p, k)[story]);
  }
}

void Form10::storeWorkingRecord(int story)
{
  Project& p = s_.project;
  for (int k = 2; k <= 11; ++k) {
    field(p, k)[story] = working_.at(static_cast<std::size_t>(k - 2));
  }
}

void Form10::openForFirstEntry()
{
  Project& p = s_.project;
  Form10Controls& f = p.form10;
  openOver(p, WindowId::Form8, WindowId::Form10);
  refillPickers();
  f.Command[1].enabled = false;
  const int n = storyCount();
  showStory(1, "1");
  f.Command[3].enabled = n > 2;
  f.Command[2].enabled = n > 1;
  setCopyButtonsAndNote();
}

void Form10::setCopyButtonsAndNote()
{
  Form10Controls& f = s_.project.form10;
  const int n = storyCount();
  f.Command[4].enabled = n != 1;
  f.Command[5].enabled = n != 1;
  f.Label2.visible = shownStory() == n;
}

void Form10::showPickedStory(int k)
{
  Project& p = s_.project;
  Form10Controls& f = p.form10;
  if (!isStory(k)) {
    return;
  }
  const int n = storyCount();
  if (p.STORYSET[k]) {
    fillBoxes(k);
  }
  refillPickers();
  f.Command[3].enabled = n > 2;
  showStory(k, padded(static_cast<double>(k)));
}

void Form10::err()
{
  Project& p = s_.project;
  Form10Controls& f = p.form10;
  const double i = numericValue(f.Text[1].text);
  f.i = i;
  for (int k = 2; k <= 11; ++k) {
    working_.at(static_cast<std::size_t>(k - 2)) = boxes_.value(k);
  }
  if (isStory(i)) {
    storeWorkingRecord(static_cast<int>(i));
  }

  if (working_[kHS] < working_[kHW]) {
    s_.prompter.message(form10_texts::wallAboveStory, kProgramTitle);
    f.Text[7].text = padded(working_[kHS]);
    boxes_.focus(7);
    errore = true;
    return;
  }

  const auto& m = form10_texts::checkErrors;
  const auto& w = working_;
  // Story numbers beyond the table are refused with the other wrong story numbers.
  boxes_.check(i > 0 && std::floor(i) == i && i <= kMaxStories, 1, m[0], errore);
  boxes_.check(w[0] > 0, 2, m[1], errore);
  boxes_.check(w[1] >= 0, 3, m[2], errore);
  boxes_.check(w[2] >= 0, 4, m[3], errore);
  boxes_.check(w[3] >= 0 && w[3] <= 100, 5, m[4], errore);
  boxes_.check(w[4] >= 0, 6, m[5], errore);
  boxes_.check(w[5] >= 0, 7, m[6], errore);
  boxes_.check(w[6] >= 0 && w[6] <= 100, 8, m[7], errore);
  boxes_.check(w[7] >= 0, 9, m[8], errore);
  boxes_.check(w[8] >= 0, 10, m[9], errore);
  boxes_.check(w[9] > 0, 11, m[10], errore);
}

void Form10::goToStory(int k)
{
  Project& p = s_.project;
  p.form10.i = k;
  resetPickers();
  showStory(k, padded(static_cast<double>(k)));
  setStoryEditingEnabled(p, true);
  if (p.STORYSET[k]) {
    fillBoxes(k);
  }
}

void Form10::Command1_Click()
{
  const int k = shownStory() - 1;
  if (k >= 1) {
    goToStory(k);
  }
}

void Form10::Command2_Click()
{
  const int from = shownStory();
  if (from >= 1 && from + 1 <= kMaxStories) {
    goToStory(from + 1);
  }
}

void Form10::Command3_Click()
{
  s_.form11.openFromStories();
}

void Form10::Command4_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  for (int k = 1; k <= storyCount(); ++k) {
    storeWorkingRecord(k);
    p.STORYSET[k] = true;
  }
  closeIfComplete();
}

void Form10::Command5_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  const int n = storyCount();
  for (int k = 1; k < n; ++k) {
    storeWorkingRecord(k);
    p.STORYSET[k] = true;
  }
  if (p.STORYSET[n]) {
    closeIfComplete();
    return;
  }
  showStory(n, padded(static_cast<double>(n)));
}

void Form10::APPLY_Click()
{
  err();
  Project& p = s_.project;
  const double i = p.form10.i;
  if (errore) {
    errore = false;
    if (isStory(i)) {
      for (int k = 2; k <= 11; ++k) {
        field(p, k)[static_cast<int>(i)] = 0;
      }
    }
  } else {
    p.STORYSET[static_cast<int>(i)] = true;
  }
  p.form10.Label2.visible = shownStory() == storyCount();
}

void Form10::OK_Click()
{
  if (validationRefused(*this)) {
    return;
  }
  Project& p = s_.project;
  p.STORYSET[static_cast<int>(p.form10.i)] = true;
  closeIfComplete();
}

void Form10::closeIfComplete()
{
  Project& p = s_.project;
  bool missing = false;
  for (int k = 1; k <= storyCount(); ++k) {
    if (!p.STORYSET[k]) {
      const std::string number = padded(static_cast<double>(k));
      s_.prompter.message(
          std::string(form8_texts::storyMissingBefore) + number + form8_texts::storyMissingAfter,
          kValidationTitle);
      showStory(k, number);
      missing = true;
    }
  }
  if (missing) {
    return;
  }
  returnTo(p, WindowId::Form10, WindowId::Form8);
  setStoryEditingEnabled(p, true);
  setStoryEntryEnabled(p, false);
}

void Form10::CANCEL_Click()
{
  returnTo(s_.project, WindowId::Form10, WindowId::Form8);
}

void Form10::Combo1_Click(int index)
{
  Project& p = s_.project;
  Form10Controls& f = p.form10;
  f.Combo1.index = static_cast<std::int16_t>(index);
  if (index <= 0) {
    lockBoxes(false);
    return;
  }
  if (index > storyCount() || !p.STORYSET[index]) {
    s_.prompter.message(form10_texts::storyNotEntered, kProgramTitle);
    f.Combo1.index = 0;
    lockBoxes(false);
    return;
  }
  fillBoxes(index);
  lockBoxes(true);
}

void Form10::Combo2_Click(int index)
{
  Project& p = s_.project;
  Form10Controls& f = p.form10;
  f.Combo2.index = static_cast<std::int16_t>(index);
  if (index <= 0) {
    return;
  }
  if (index > storyCount() || !p.STORYSET[index]) {
    s_.prompter.message(form10_texts::storyNotEntered, kProgramTitle);
    f.Combo2.index = 0;
    return;
  }
  fillBoxes(index);
}

}  // namespace vorn
