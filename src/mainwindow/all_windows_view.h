#pragma once

namespace vorn {

class ViewApplication;

// The look of the program: right to left, in a Persian-capable font.
void applyProgramLook();
// Creates every window of the program (hidden until the project shows it) and draws them.
void createAllWindows(ViewApplication& app);

}  // namespace vorn
