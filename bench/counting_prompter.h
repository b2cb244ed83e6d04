#pragma once

#include <string>

#include "session/prompter.h"

namespace vorn::bench {

// A benchmark has no one to ask: this prompter shows nothing, gives every question the same
// answer and counts the messages, since a run that stops measures nothing worth knowing.
class CountingPrompter : public Prompter {
public:
  explicit CountingPrompter(bool answer = false) : answer_(answer) {}
  void message(const std::string&, const std::string&) override { ++messages; }
  bool askYesNo(const std::string&, const std::string&) override { return answer_; }
  bool askOkCancel(const std::string&, const std::string&) override { return answer_; }
  int messages = 0;

private:
  bool answer_;
};

}  // namespace vorn::bench
