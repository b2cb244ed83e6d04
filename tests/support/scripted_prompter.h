#pragma once

#include <deque>
#include <string>
#include <vector>

#include "session/prompter.h"

namespace vorn::test {

// A prompter for tests: it records every message and question with its title and answers the
// questions from a script. A question with no scripted answer fails the test (an unexpected
// modal box), and so does a script left unused when the prompter is checked.
class ScriptedPrompter : public Prompter {
public:
  enum class Kind { Message, YesNo, OkCancel };
  struct Shown {
    Kind kind;
    std::string text;
    std::string title;
  };

  // Answers for the next questions, in order: true is Yes or OK.
  void answer(bool yesOrOk) { answers_.push_back(yesOrOk); }

  void message(const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  bool askOkCancel(const std::string& text, const std::string& title) override;

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> texts() const;
  void clear() { shown_.clear(); }
  bool scriptUsedUp() const { return answers_.empty(); }

private:
  bool next(Kind kind, const std::string& text, const std::string& title);

  std::deque<bool> answers_;
  std::vector<Shown> shown_;
};

}  // namespace vorn::test
