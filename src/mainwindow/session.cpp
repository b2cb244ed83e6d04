#include "mainwindow/session.h"

namespace vorn {

Session::Session(Prompter& p) : relay(p), prompter(relay), form1(*this) {}

}  // namespace vorn
