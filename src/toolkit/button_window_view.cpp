#include "toolkit/button_window_view.h"

#include <utility>

namespace vorn {

QPushButton* ButtonWindowView::addButton(const QString& name, const char* caption,
                                         std::function<void()> event)
{
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this,
          [this, event = std::move(event)] { forward(event); });
  return button;
}

}  // namespace vorn
