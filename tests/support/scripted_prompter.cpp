#include "scripted_prompter.h"

#include <gtest/gtest.h>

namespace vorn::test {

void ScriptedPrompter::message(const std::string& text, const std::string& title)
{
  shown_.push_back({Kind::Message, text, title});
}

bool ScriptedPrompter::askYesNo(const std::string& text, const std::string& title)
{
  return next(Kind::YesNo, text, title);
}

bool ScriptedPrompter::askOkCancel(const std::string& text, const std::string& title)
{
  return next(Kind::OkCancel, text, title);
}

bool ScriptedPrompter::next(Kind kind, const std::string& text, const std::string& title)
{
  shown_.push_back({kind, text, title});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question \"" << text << "\" titled \"" << title << "\"";
    return false;
  }
  const bool a = answers_.front();
  answers_.pop_front();
  return a;
}

std::vector<std::string> ScriptedPrompter::texts() const
{
  std::vector<std::string> t;
  for (const auto& s : shown_) {
    t.push_back(s.text);
  }
  return t;
}

}  // namespace vorn::test
