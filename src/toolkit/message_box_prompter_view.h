#pragma once

#include <QMessageBox>
#include <string>

#include "session/prompter.h"

class QWidget;

namespace vorn {

// A message box of the program: right to left, its text drawn in display order
// (bidiDisplayText: numbers and quoted paths read left to right), the program's title when it has
// none of its own. Ctrl+C copies the text exactly as the program wrote it.
class MessageBox : public QMessageBox {
public:
  MessageBox(Icon icon, const std::string& title, const std::string& text, StandardButtons buttons,
             QWidget* parent);

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  QString text_;
};

// Messages and questions as modal Qt message boxes (MessageBox), with the given title.
class MessageBoxPrompter : public Prompter {
public:
  void message(const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  bool askOkCancel(const std::string& text, const std::string& title) override;
};

}  // namespace vorn
