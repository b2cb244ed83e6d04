#pragma once

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <span>
#include <vector>

#include "toolkit/window_view.h"
#include "windows/structure/help_section.h"

namespace vorn {

// A help window of fixed text: each heading on the right with its items beside it on the left,
// and one button that returns to the dialog.
class HelpWindowView : public WindowView {
public:
  HelpWindowView(ViewApplication& app, WindowId id, const char* caption,
                 std::span<const HelpSection> sections, const char* buttonName,
                 const char* buttonCaption, std::function<void()> close);

  QPushButton* closeButton() const { return button_; }
  // Every heading and item, in the order shown.
  const std::vector<QLabel*>& texts() const { return texts_; }

protected:
  void drawControls() override {}
  bool frameCloseRequested() override;

private:
  QPushButton* button_ = nullptr;
  std::vector<QLabel*> texts_;
  std::function<void()> close_;
};

}  // namespace vorn
