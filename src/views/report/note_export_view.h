#pragma once

#include <QDialog>

#include "windows/report/note_export.h"

class QLineEdit;
class QPushButton;

namespace vorn {

class ViewApplication;

// The calculation note's dialog, from the main window's FILE menu: the title block's project
// title, engineer and organisation (kept between runs in the program's settings, never in the
// project file), PREVIEW (the note in the print preview), SAVE (a PDF file) and CANCEL.
class NoteExportDialog : public QDialog {
public:
  NoteExportDialog(ViewApplication& app, QWidget* parent);

  QLineEdit* projectTitleBox() const { return title_; }
  QLineEdit* engineerBox() const { return engineer_; }
  QLineEdit* organisationBox() const { return organisation_; }
  QPushButton* previewButton() const { return preview_; }
  QPushButton* saveButton() const { return save_; }

  // The typed fields of the title block.
  NoteTitle typed() const;

  // Writes the note to `path` (what SAVE does once its file is chosen): true when written, and
  // the dialog is then accepted; a failure has been shown in a message box.
  bool saveTo(const std::string& path);

protected:
  // Asks for the file (a test gives its own answer); nothing when cancelled.
  virtual std::optional<std::string> chooseFile();
  // Shows the print preview of `note` (a test looks at it without running it).
  virtual void showPreview(const NoteDocument& note);

private:
  void remember() const;

  ViewApplication& app_;
  QLineEdit* title_ = nullptr;
  QLineEdit* engineer_ = nullptr;
  QLineEdit* organisation_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* save_ = nullptr;
};

// The FILE menu's workbook: asks for the file over `parent`, then writes the workbook of the
// ticked tables. A failure is shown in a message box.
void exportWorkbookFromMenu(ViewApplication& app, QWidget* parent);

}  // namespace vorn
