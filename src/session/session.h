#pragma once

#include <memory>

#include "model/project.h"
#include "session/prompter.h"

namespace vorn {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;
class Form10;
class Form11;
class Form12;
class Form13;
class Form14;
class Form15;
class Form16;
class Form17;
class Form18;
class Form19;
class Form20;
class Form21;
class Form22;
class Form23;
class Form24;
class Form25;
class Form26;
class Form27;
class Form28;
class FrmAbout;
struct SessionWindows;

// The running program without its screen: the one project, the way it speaks to the user and
// the logic of every window. The desktop program and the tests each hold one.
class Session {
public:
  explicit Session(Prompter& prompter);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Project project;
  // Every message and question of the program goes through `prompter`, which relays them to the
  // one the session was made with.
  RelayPrompter relay;
  Prompter& prompter;

  // Set when the user confirmed leaving the program; the desktop program then quits.
  bool exitRequested = false;

private:
  // The logic of every window, made with the session (by the windows' own layer, which knows
  // them all) before the names below are bound to it.
  std::unique_ptr<SessionWindows> windows_;

public:
  // The logic of every window. A file that uses a window includes that window's header; the
  // session itself needs none of them, so a change to one window recompiles only its users.
  Form1& form1;
  Form13& form13;
  Form2& form2;
  Form3& form3;
  Form4& form4;
  Form5& form5;
  Form6& form6;
  Form7& form7;
  Form8& form8;
  Form9& form9;
  Form10& form10;
  Form11& form11;
  Form12& form12;
  Form14& form14;
  Form15& form15;
  Form16& form16;
  Form17& form17;
  Form18& form18;
  Form19& form19;
  Form20& form20;
  Form21& form21;
  Form22& form22;
  Form23& form23;
  Form24& form24;
  Form25& form25;
  Form26& form26;
  Form27& form27;
  Form28& form28;
  FrmAbout& frmAbout;
};

}  // namespace vorn
