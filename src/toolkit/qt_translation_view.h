#pragma once

#include <QString>

class QWidget;

namespace vorn {

// Qt's own translation of its dialogs into the program's language (Debian package
// qt6-translations-l10n): the printer and file dialogs and the standard buttons of message boxes.
inline constexpr const char* kQtTranslation = "qtbase_fa";

// Where Qt's translation is looked for: Qt's translations folder.
QString qtTranslationFolder();

// Makes Qt's own dialogs speak Persian with the rest of the program: installs Qt's translation in
// the application when it is there (once; again is a no-op), and has every file and printer
// dialog of Qt show its path fields left to right, as a path reads. Returns whether the
// translation is installed.
bool installQtTranslation();

// The path fields of a Qt file or printer dialog (its folder list, its file name box) read left
// to right in a right-to-left program.
void showPathFieldsLeftToRight(QWidget& dialog);

}  // namespace vorn
