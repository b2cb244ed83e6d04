#pragma once

#include <QPushButton>
#include <functional>

#include "toolkit/window_view.h"

namespace vorn {

// A window whose push buttons each run one event of its logic.
class ButtonWindowView : public WindowView {
protected:
  using WindowView::WindowView;

  // A push button with the designer's name for it; a click runs the event.
  QPushButton* addButton(const QString& name, const char* caption, std::function<void()> event);
};

}  // namespace vorn
