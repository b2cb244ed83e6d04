#pragma once

#include <QWidget>
#include <functional>

#include "model/controls.h"
#include "model/windows.h"
#include "toolkit/window_geometry_view.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vorn {

class ViewApplication;

// Base of every window of the desktop program: a top-level widget that draws its window state
// (shown, enabled, caption, height, focus) and its controls from the project, and forwards the
// user's events to the window logic through the application.
class WindowView : public QWidget {
public:
  WindowView(ViewApplication& app, WindowId id, const char* designCaption);
  ~WindowView() override;

  WindowId id() const { return id_; }
  // The window this one belongs to on the screen: the view of its opener (none for the main
  // window).
  WindowView* opener() const;
  // Brings the window in line with the project; called after every event.
  void draw();
  // Runs an event of the window logic, then redraws every window. The parts a window is made of
  // forward their events through it too.
  void forward(const std::function<void()>& event);

  // Each control drawn from its state in the project.
  static void drawButton(QAbstractButton* w, const CommandButton& state);
  static void drawCheck(QCheckBox* w, const CheckBox& state);
  static void drawOption(QRadioButton* w, const OptionButton& state);
  static void drawText(QLineEdit* w, const TextBox& state);
  // A box that holds a file name or path: its bytes are shown through fileNameText().
  static void drawFileName(QLineEdit* w, const TextBox& state);
  static void drawCombo(QComboBox* w, const ComboBox& state);
  static void drawLabel(QLabel* w, const Label& state);

protected:
  // Draws the window's own controls.
  virtual void drawControls() = 0;
  // The window frame's close button: by default the same as the window's CANCEL or OK, which
  // each window names here. Returning false keeps the window open.
  virtual bool frameCloseRequested() = 0;

  void closeEvent(QCloseEvent* event) override;
  // The window keeps within the screen and takes and keeps the size the user gives it.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  ViewApplication& app() { return app_; }

private:
  // Before the window opens: it becomes a dialog of its opener's window (no taskbar entry of its
  // own, kept above the opener) and is centred on it.
  void placeOverOpener();
  // The control the user types into first: the first enabled line edit, list or option button
  // in the focus order.
  QWidget* firstBox() const;
  // Whether the window's height follows its state rather than the user.
  bool heightSetByProgram() const;

  ViewApplication& app_;
  WindowId id_;
  QString designCaption_;
  int designHeight_ = 0;
  WindowGeometry geometry_;
};

}  // namespace vorn
