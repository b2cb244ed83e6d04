#pragma once

#include "session/prompter.h"

class QWidget;

namespace vorn {

// Messages and questions as modal Qt message boxes, right to left, with the given title.
class MessageBoxPrompter : public Prompter {
public:
  void message(const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  bool askOkCancel(const std::string& text, const std::string& title) override;
};

}  // namespace vorn
