#include "windows/common/numeric_boxes.h"

#include <utility>

#include "model/number_text.h"
#include "model/project.h"
#include "session/prompter.h"

namespace vorn {

Accepts above(double low)
{
  return [low](double v) { return v > low; };
}

Accepts atLeast(double low)
{
  return [low](double v) { return v >= low; };
}

Accepts within(double low, double high)
{
  return [low, high](double v) { return v >= low && v <= high; };
}

RestoreText fixedText(std::string text)
{
  return [text = std::move(text)] { return text; };
}

NumericBoxes::NumericBoxes(Project& project, Prompter& prompter, WindowId window, BoxAccess boxes)
    : project_(project), prompter_(prompter), window_(window), boxes_(std::move(boxes))
{
}

NumericBoxes& NumericBoxes::add(int number, std::string_view picture, Accepts accepts,
                                const char* message, RestoreText restore)
{
  ring_.push_back({number, std::string(picture), std::move(accepts), message, std::move(restore),
                   std::nullopt});
  return *this;
}

NumericBoxes& NumericBoxes::keep(int number, std::string_view picture, Accepts accepts,
                                 const char* message)
{
  return add(number, picture, std::move(accepts), message, nullptr);
}

void NumericBoxes::forgetReported()
{
  for (Box& b : ring_) {
    b.reported.reset();
  }
}

double NumericBoxes::value(int number) const
{
  return numericValue(boxes_(number).text);
}

const NumericBoxes::Box* NumericBoxes::find(int number) const
{
  for (const Box& b : ring_) {
    if (b.number == number) {
      return &b;
    }
  }
  return nullptr;
}

NumericBoxes::Box* NumericBoxes::find(int number)
{
  return const_cast<Box*>(static_cast<const NumericBoxes*>(this)->find(number));
}

bool NumericBoxes::usable(const Box& b) const
{
  const TextBox& t = boxes_(b.number);
  return t.enabled && t.visible;
}

void NumericBoxes::focus(int number)
{
  project_.window(window_).focus = "Text" + std::to_string(number);
}

bool NumericBoxes::LostFocus(int number, LeaveTo to)
{
  Box* b = find(number);
  if (b == nullptr) {
    return true;
  }
  TextBox& t = boxes_(number);
  t.text = picture(numericValue(t.text), b->picture);
  if (b->accepts(numericValue(t.text))) {
    b->reported.reset();
    return true;
  }
  if (b->restore) {
    t.text = b->restore();
  }
  if (!b->restore || !b->accepts(numericValue(t.text))) {
    // A refused value stays in the box: it is reported once, and a command of the dialog
    // keeps the focus and decides.
    if (to == LeaveTo::Command || t.text == b->reported) {
      return true;
    }
    b->reported = t.text;
  }
  prompter_.message(b->message, kProgramTitle);
  focus(number);
  return false;
}

void NumericBoxes::KeyDown(int number, BoxKey key)
{
  if (key != BoxKey::Enter && key != BoxKey::Down && key != BoxKey::Up) {
    return;
  }
  const int count = static_cast<int>(ring_.size());
  int at = -1;
  for (int k = 0; k < count; ++k) {
    if (ring_[static_cast<std::size_t>(k)].number == number) {
      at = k;
    }
  }
  if (at < 0) {
    return;
  }
  const int step = key == BoxKey::Up ? count - 1 : 1;
  int target = (at + step) % count;
  while (target != at && !usable(ring_[static_cast<std::size_t>(target)])) {
    target = (target + step) % count;
  }
  if (target == at) {
    return;  // no other box to go to: the focus does not move, so the box is not left
  }
  focus(ring_[static_cast<std::size_t>(target)].number);
  LostFocus(number);  // a refusal takes the focus back
}

bool NumericBoxes::check(bool ok, int number, const char* message, bool& errore)
{
  if (!ok) {
    prompter_.message(message, kValidationTitle);
    focus(number);
    errore = true;
  }
  return ok;
}

}  // namespace vorn
