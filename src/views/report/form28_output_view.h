#pragma once

#include <QTextEdit>

#include "toolkit/window_view.h"

namespace vorn {

// The output window: the report text, read-only, each line in its own reading direction and
// aligned to the right, in a font that writes Persian.
class Form28View : public WindowView {
public:
  explicit Form28View(ViewApplication& app);

  QTextEdit* textBox() const { return richTextBox1_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  QTextEdit* richTextBox1_ = nullptr;
  std::string shown_;
};

}  // namespace vorn
