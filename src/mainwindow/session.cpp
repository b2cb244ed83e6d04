#include "mainwindow/session.h"

namespace vorn {

Session::Session(Prompter& p) : prompter(p), form1(*this) {}

}  // namespace vorn
