#include "toolkit/application_view.h"

#include <QApplication>
#include <exception>
#include <string>

#include "toolkit/window_view.h"

namespace vorn {

ViewApplication::ViewApplication(Prompter& prompter) : session_(prompter) {}

ViewApplication::~ViewApplication()
{
  for (WindowView* v : views_) {
    delete v;
  }
}

void ViewApplication::add(WindowView* view)
{
  views_.push_back(view);
}

WindowView* ViewApplication::view(WindowId id) const
{
  for (WindowView* v : views_) {
    if (v->id() == id) {
      return v;
    }
  }
  return nullptr;
}

void ViewApplication::run(const std::function<void()>& event)
{
  try {
    event();
  } catch (const std::exception& e) {
    session_.prompter.message(
        std::string("Internal error: ") + e.what() + "\nThe last command was not completed.",
        kProgramTitle);
  }
  refresh();
  if (session_.exitRequested) {
    QApplication::quit();
  }
}

void ViewApplication::refresh()
{
  if (refreshing_) {
    return;
  }
  refreshing_ = true;
  for (WindowView* v : views_) {
    v->draw();
  }
  refreshing_ = false;
}

}  // namespace vorn
