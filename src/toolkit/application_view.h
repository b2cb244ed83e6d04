#pragma once

#include <functional>
#include <vector>

#include "session/session.h"

namespace vorn {

class WindowView;

// The desktop program around one session: it owns the windows, runs every forwarded event
// through the window logic and then redraws every window from the project.
class ViewApplication {
public:
  explicit ViewApplication(Prompter& prompter);
  ~ViewApplication();
  ViewApplication(const ViewApplication&) = delete;
  ViewApplication& operator=(const ViewApplication&) = delete;

  Session& session() { return session_; }
  Project& project() { return session_.project; }

  // Runs one event of the window logic, then redraws. A fault inside the logic is shown as a
  // message and never ends the program.
  void run(const std::function<void()>& event);
  // Draws every window from the project's state.
  void refresh();

  void add(WindowView* view);
  WindowView* view(WindowId id) const;

private:
  Session session_;
  std::vector<WindowView*> views_;
  bool refreshing_ = false;
};

}  // namespace vorn
