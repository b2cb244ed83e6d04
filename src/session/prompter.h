#pragma once

#include <set>
#include <string>
#include <utility>

namespace vorn {

// The program's title, shown as the caption of every message box that has no title of its own.
inline constexpr const char* kProgramTitle = "VORN";

// Every message and question of the program goes through this interface. The desktop program
// shows modal message boxes; tests answer from a script and record what was shown.
class Prompter {
public:
  virtual ~Prompter() = default;
  // A message box with only an OK button.
  virtual void message(const std::string& text, const std::string& title) = 0;
  // Yes/No: true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // OK/Cancel: true for OK.
  virtual bool askOkCancel(const std::string& text, const std::string& title) = 0;
};

// Passes every message and question on. While `onceEach` is on, a message already shown in that
// time (the same text under the same title) is not shown again: the computations that run one
// after another when a project is opened can each stop on the same faulty value.
class RelayPrompter : public Prompter {
public:
  explicit RelayPrompter(Prompter& to) : to_(to) {}
  void message(const std::string& text, const std::string& title) override
  {
    if (!onceEach_ || shown_.insert({title, text}).second) {
      to_.message(text, title);
    }
  }
  bool askYesNo(const std::string& text, const std::string& title) override
  {
    return to_.askYesNo(text, title);
  }
  bool askOkCancel(const std::string& text, const std::string& title) override
  {
    return to_.askOkCancel(text, title);
  }
  void onceEach(bool on)
  {
    onceEach_ = on;
    shown_.clear();
  }

private:
  Prompter& to_;
  bool onceEach_ = false;
  std::set<std::pair<std::string, std::string>> shown_;
};

}  // namespace vorn
