#pragma once

#include <QString>
#include <optional>
#include <string>

namespace vorn {

// A file name is a string of bytes, which need not be UTF-8 (a Persian name written in
// Windows-1256, say). The program keeps names as bytes; the windows show them through this pair,
// which gives every byte string back exactly:
// - a valid UTF-8 sequence (shortest form, no surrogate, at most U+10FFFF) is its character;
// - every other byte b is the lone surrogate U+DC00 + b (U+DC80 … U+DCFF).
QString fileNameText(const std::string& bytes);
// The reverse: characters are written in UTF-8, a lone surrogate U+DC80 … U+DCFF is its byte,
// and any other lone surrogate (which fileNameText never gives) is written as U+FFFD.
std::string fileNameBytes(const QString& text);

// The bytes of a path that a Qt file dialog gave. Qt reads names lossily (a byte that is not
// UTF-8 becomes U+FFFD), so each part of the path is looked up from the root down: a part whose
// own bytes exist is kept; otherwise it is the one entry of its folder that Qt reads as the
// same text. A part found nowhere (a new file name the user typed) is kept as typed.
std::string dialogPathBytes(const QString& path);

// The project file named on the program's command line, as the bytes it was given. QApplication
// has already taken its own options out of argc and argv.
std::optional<std::string> projectFileArgument(int argc, char* argv[]);

}  // namespace vorn
