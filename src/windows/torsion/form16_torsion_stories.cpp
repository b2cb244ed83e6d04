#include "windows/torsion/form16_torsion_stories.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form15_story_picker.h"

namespace vorn {

namespace {

// Positions in the working values.
constexpr std::size_t kCMx = 0, kCMy = 1, kCRx = 2, kCRy = 3, kAjx = 6, kAjy = 7;

// The per-story value behind each box Text2 … Text9, in box order.
StoryArray& field(Project& p, int box)
{
  switch (box) {
    case 2:
      return p.CMx;
    case 3:
      return p.CMy;
    case 4:
      return p.CRx;
    case 5:
      return p.CRy;
    case 6:
      return p.DIMx;
    case 7:
      return p.DIMy;
    case 8:
      return p.Ajx;
    default:
      return p.Ajy;
  }
}

std::size_t at(int box)
{
  return static_cast<std::size_t>(box - 2);
}

}  // namespace

Form16::Form16(Session& session)
    : s_(session),
      boxes_(session.project, session.prompter, WindowId::Form16,
             [&p = session.project](int k) -> TextBox& { return p.form16.Text[k]; })
{
  Form16Controls& f = session.project.form16;
  auto restore = [&f](int box) { return [&f, box] { return padded(f.def[box]); }; };
  // A centre lies within the story's average dimension of its direction (Text6 for x, Text7
  // for y).
  auto centre = [this](int dimensionBox) {
    return [this, dimensionBox](double v) { return v > 0 && v <= boxes_.value(dimensionBox); };
  };
  const auto& m = form16_texts::leaveMessages;
  // The key ring runs over the dimensions first, then the centres, then the factors.
  boxes_.add(6, "#.##", above(0), m[at(6)], restore(6))
      .add(7, "#.##", above(0), m[at(7)], restore(7))
      .add(2, "#.##", centre(6), m[at(2)], restore(2))
      .add(3, "#.##", centre(7), m[at(3)], restore(3))
      .add(4, "#.##", centre(6), m[at(4)], restore(4))
      .add(5, "#.##", centre(7), m[at(5)], restore(5))
      .add(8, "#.##", within(1, 3), form16_texts::factorLeave, fixedText("1"))
      .add(9, "#.##", within(1, 3), form16_texts::factorLeave, fixedText("1"));
}

int Form16::shownStory() const
{
  const double v = roundHalfEven(numericValue(s_.project.form16.Text[1].text));
  return v >= 1 && v <= s_.form14.storyCount() ? static_cast<int>(v) : 0;
}

void Form16::showStory(int k)
{
  Form16Controls& f = s_.project.form16;
  f.Text[1].text = padded(static_cast<double>(k));
  f.Command[1].enabled = k != 1;
  f.Command[2].enabled = k != s_.form14.storyCount();
}

void Form16::fillBoxes(int story)
{
  Project& p = s_.project;
  for (int k = 2; k <= 9; ++k) {
    p.form16.Text[k].text = padded(field(p, k)[story]);
  }
}

void Form16::store(int story)
{
  Project& p = s_.project;
  for (int k = 2; k <= 9; ++k) {
    field(p, k)[story] = working_.at(at(k));
  }
  p.CMSET[story] = true;
}

void Form16::showPickedStory(int k)
{
  Project& p = s_.project;
  if (k < 1 || k > s_.form14.storyCount()) {
    return;
  }
  showStory(k);
  if (p.CMSET[k]) {
    fillBoxes(k);
  } else {
    // A story opened for the first time: the centres in the middle of the plan and the plan
    // dimensions as its average dimensions.
    auto& t = p.form16.Text;
    t[2].text = padded(p.FDIMx / 2);
    t[3].text = padded(p.FDIMy / 2);
    t[4].text = padded(p.FDIMx / 2);
    t[5].text = padded(p.FDIMy / 2);
    t[6].text = padded(p.FDIMx);
    t[7].text = padded(p.FDIMy);
    t[8].text = "1";
    t[9].text = "1";
  }
  def();
  boxes_.focus(6);
}

void Form16::def()
{
  boxes_.forgetReported();
  Form16Controls& f = s_.project.form16;
  for (int k = 2; k <= 9; ++k) {
    f.def[k] = boxes_.value(k);
  }
}

void Form16::err()
{
  Project& p = s_.project;
  for (int k = 2; k <= 9; ++k) {
    working_.at(at(k)) = boxes_.value(k);
  }
  const auto& w = working_;

  for (int k = 2; k <= 7; ++k) {
    if (!(w.at(at(k)) >= 0)) {
      boxes_.check(false, k, form16_texts::sizesPositive, errore);
      return;
    }
  }

  auto factor = [](double a) { return a >= 1 && a <= 3; };
  const bool within[] = {
      w[kCMx] <= p.FDIMx, w[kCMy] <= p.FDIMy, w[kCRx] <= p.FDIMx,
      w[kCRy] <= p.FDIMy, factor(w[kAjx]),    factor(w[kAjy]),
  };
  const int boxOf[] = {2, 3, 4, 5, 8, 9};
  for (std::size_t c = 0; c < std::size(within); ++c) {
    if (!within[c]) {
      boxes_.check(false, boxOf[c], form16_texts::centresBeyondPlan, errore);
      return;
    }
  }

  // The story number comes only from the picker and the moves between stories; should it ever
  // name no story of the building, nothing is stored.
  if (shownStory() == 0) {
    errore = true;
  }
}

bool Form16::validated()
{
  return !validationRefused(*this);
}

bool Form16::Text_LostFocus(int k, LeaveTo to)
{
  return k == 1 ? true : boxes_.LostFocus(k, to);
}

void Form16::Text_KeyDown(int k, BoxKey key)
{
  if (k != 1) {
    boxes_.KeyDown(k, key);
    return;
  }
  // The story number box leads into the ring: forward to the first dimension, back to the last
  // centre.
  if (key == BoxKey::Enter || key == BoxKey::Down) {
    boxes_.focus(6);
  } else if (key == BoxKey::Up) {
    boxes_.focus(5);
  }
}

void Form16::Command1_Click()
{
  const int k = shownStory() - 1;
  if (k < 1) {
    return;
  }
  showStory(k);
  if (s_.project.CMSET[k]) {
    fillBoxes(k);
  }
}

void Form16::Command2_Click()
{
  const int from = shownStory();
  const int k = from + 1;
  if (from < 1 || k > s_.form14.storyCount()) {
    return;
  }
  showStory(k);
  if (s_.project.CMSET[k]) {
    fillBoxes(k);
  }
}

void Form16::Command3_Click()
{
  s_.form15.openFromStoryCentres();
}

void Form16::Command4_Click()
{
  if (!validated()) {
    return;
  }
  Project& p = s_.project;
  for (int k = 1; k <= s_.form14.storyCount(); ++k) {
    store(k);
  }
  enableMainCommand(p, MainCommand::TorsionRun);
  returnTo(p, WindowId::Form16, WindowId::Form14);
}

void Form16::APPLY_Click()
{
  if (validated()) {
    store(shownStory());
  }
}

void Form16::OK_Click()
{
  if (!validated()) {
    return;
  }
  Project& p = s_.project;
  store(shownStory());
  for (int k = 1; k <= s_.form14.storyCount(); ++k) {
    if (!p.CMSET[k]) {
      s_.prompter.message(std::string(form16_texts::storyMissingBefore) +
                              padded(static_cast<double>(k)) + form16_texts::storyMissingAfter,
                          kValidationTitle);
      return;
    }
  }
  returnTo(p, WindowId::Form16, WindowId::Form14);
}

void Form16::CANCEL_Click()
{
  Project& p = s_.project;
  for (int k = 2; k <= 9; ++k) {
    p.form16.Text[k].text = padded(p.form16.def[k]);
  }
  // The centres applied since the torsion data dialog opened stay; only their entered flags go
  // back to that moment.
  for (int s = 1; s <= kMaxStories; ++s) {
    p.CMSET[s] = p.torsionSnapshot.CMSET[s] != 0.0;
  }
  returnTo(p, WindowId::Form16, WindowId::Form14);
}

}  // namespace vorn
