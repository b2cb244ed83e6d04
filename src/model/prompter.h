#pragma once

#include <string>

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

}  // namespace vorn
