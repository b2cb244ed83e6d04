#pragma once

#include "mainwindow/form1_main.h"
#include "model/project.h"
#include "model/prompter.h"

namespace vorn {

// The running program without its screen: the one project, the way it speaks to the user and
// the logic of every window. The desktop program and the tests each hold one.
class Session {
public:
  explicit Session(Prompter& prompter);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Project project;
  Prompter& prompter;

  Form1 form1;

  // Set when the user confirmed leaving the program; the desktop program then quits.
  bool exitRequested = false;
};

}  // namespace vorn
