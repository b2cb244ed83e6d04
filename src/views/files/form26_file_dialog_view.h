#pragma once

#include "toolkit/window_view.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorn {

class Form26;

// The open and save dialog: drive list, folder list, file list, file type and name.
class Form26View : public WindowView {
public:
  explicit Form26View(ViewApplication& app);

  QLineEdit* nameBox() const { return text1_; }
  QListWidget* fileList() const { return file1_; }
  QListWidget* folderList() const { return dir1_; }
  QComboBox* typeList() const { return combo1_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  Form26& logic();

  QComboBox* drive1_ = nullptr;
  QListWidget* dir1_ = nullptr;
  QListWidget* file1_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace vorn
