#pragma once

#include <array>

namespace vorn {

class ViewApplication;

// The font families of the program, in the order of preference: the first writes Persian and is
// the one the program is drawn in; the others stand in where it is missing.
inline constexpr std::array<const char*, 3> kProgramFontFamilies = {"Noto Sans Arabic", "Noto Sans",
                                                                    "DejaVu Sans"};

// The look of the program: right to left, in the first installed of kProgramFontFamilies, with
// Qt's own dialogs in Persian (installQtTranslation).
void applyProgramLook();
// Creates every window of the program (hidden until the project shows it) and draws them.
void createAllWindows(ViewApplication& app);

}  // namespace vorn
