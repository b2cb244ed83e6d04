#include "toolkit/window_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QWindow>
#include <algorithm>

#include "model/grid.h"
#include "toolkit/application_view.h"
#include "toolkit/bidi_text_view.h"
#include "toolkit/file_name_text_view.h"

namespace vorn {

namespace {

// Asks the window system to make the window the active one. A dialog counts as active while
// its opener is (they are one chain of windows), so QWidget::activateWindow would not ask.
void takeKeyboard(QWidget& window)
{
  if (QWindow* handle = window.windowHandle()) {
    handle->requestActivate();
  }
}

}  // namespace

WindowView::WindowView(ViewApplication& app, WindowId id, const char* designCaption)
    : QWidget(nullptr), app_(app), id_(id), designCaption_(QString::fromUtf8(designCaption))
{
  setObjectName(QString::fromUtf8(windowName(id).data(), static_cast<int>(windowName(id).size())));
  // Every window but the main one is a dialog of the window that opens it. It is not a child
  // widget of its opener: the opener is disabled while it waits, and would disable it too.
  setWindowFlag(Qt::Dialog, id != WindowId::form1);
  setLayoutDirection(Qt::RightToLeft);
  setWindowTitle(designCaption_);
}

void WindowView::forward(const std::function<void()>& event)
{
  app_.run(event);
}

void WindowView::draw()
{
  const WindowState& w = app_.project().window(id_);
  drawControls();
  setWindowTitle(w.caption.empty() ? designCaption_ : QString::fromStdString(w.caption));
  if (w.heightTwips > 0) {
    if (designHeight_ == 0) {
      designHeight_ = height();
    }
    resize(width(), w.heightTwips / kTwipsPerPixel);
  } else if (designHeight_ > 0) {
    resize(width(), designHeight_);
    designHeight_ = 0;
  }
  const bool becameEnabled = w.enabled && !isEnabled();
  setEnabled(w.enabled);
  const bool opening = w.visible && !isVisible();
  if (opening) {
    placeOverOpener();
    show();
    raise();
    takeKeyboard(*this);
  } else if (!w.visible && isVisible()) {
    hide();
  } else if (w.visible && becameEnabled) {
    // a window that another one had covered comes back to the front when it is returned to
    raise();
    takeKeyboard(*this);
  }
  // The control the logic names gets the focus; a window that opens without one named starts
  // on its first box, whatever had the focus when it last closed.
  if (w.visible && w.enabled && (opening || !w.focus.empty())) {
    QWidget* target = nullptr;
    if (!w.focus.empty()) {
      target = findChild<QWidget*>(QString::fromStdString(w.focus));
      app_.project().window(id_).focus.clear();
    }
    if (target == nullptr && opening) {
      target = firstBox();
    }
    if (target != nullptr) {
      target->setFocus(Qt::OtherFocusReason);
    }
  }
}

WindowView* WindowView::opener() const
{
  const WindowId opener = app_.project().window(id_).opener;
  return opener == id_ ? nullptr : app_.view(opener);
}

void WindowView::placeOverOpener()
{
  WindowView* over = opener();
  if (over == nullptr || !over->isVisible() || over->windowHandle() == nullptr) {
    return;
  }
  if (windowHandle() == nullptr) {
    create();
  }
  windowHandle()->setTransientParent(over->windowHandle());
  // The size the window opens with: its layout enlarges it to what its controls need.
  ensurePolished();
  if (layout() != nullptr) {
    layout()->activate();
  }
  // At the size it will have on the screen, so that it is placed alike each time it opens.
  const QSize fitted = size().boundedTo(availableWindowSize(*this));
  if (fitted != size()) {
    resize(fitted);
  }
  // Frame on frame (the window's own frame is known once it has been shown).
  QRect placed(QPoint(), frameGeometry().size());
  placed.moveCenter(over->frameGeometry().center());
  // The title bar stays on the opener's screen, where the window manager would put it.
  if (const QScreen* screen = over->screen()) {
    const QRect room = screen->availableGeometry();
    placed.moveLeft(std::max(room.left(),
                             std::min(placed.left(), room.left() + room.width() - placed.width())));
    placed.moveTop(
        std::max(room.top(), std::min(placed.top(), room.top() + room.height() - placed.height())));
  }
  move(placed.topLeft());
}

QWidget* WindowView::firstBox() const
{
  auto usable = [this](const QWidget* w) {
    return w->window() == this && w->isVisibleTo(this) && w->isEnabled() &&
           (w->focusPolicy() & Qt::TabFocus) != 0;
  };
  // The options of a window are one choice: the chosen option stands for them all.
  QRadioButton* chosen = nullptr;
  for (QRadioButton* option : findChildren<QRadioButton*>()) {
    if (option->isChecked() && usable(option)) {
      chosen = option;
      break;
    }
  }
  for (QWidget* w = nextInFocusChain(); w != nullptr && w != this; w = w->nextInFocusChain()) {
    if (!usable(w)) {
      continue;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
      if (!edit->isReadOnly()) {
        return w;
      }
    } else if (qobject_cast<const QComboBox*>(w) != nullptr) {
      return w;
    } else if (qobject_cast<const QRadioButton*>(w) != nullptr) {
      return chosen != nullptr ? chosen : w;
    }
  }
  return nullptr;
}

void WindowView::closeEvent(QCloseEvent* event)
{
  event->ignore();
  if (!app_.project().window(id_).enabled) {
    return;  // a window waiting for another one answers nothing
  }
  bool close = false;
  forward([&] { close = frameCloseRequested(); });
  if (close) {
    event->accept();
  }
}

WindowView::~WindowView()
{
  if (isVisible()) {
    geometry_.store(*this, heightSetByProgram());
  }
}

bool WindowView::heightSetByProgram() const
{
  return app_.project().window(id_).heightTwips > 0;
}

void WindowView::showEvent(QShowEvent* event)
{
  QWidget::showEvent(event);
  if (!event->spontaneous()) {
    geometry_.shown(*this, heightSetByProgram());
  }
}

void WindowView::hideEvent(QHideEvent* event)
{
  QWidget::hideEvent(event);
  if (!event->spontaneous()) {
    geometry_.store(*this, heightSetByProgram());
  }
}

void WindowView::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  if (event->spontaneous() && isVisible()) {
    geometry_.resizedByUser();
  }
}

void WindowView::drawButton(QAbstractButton* w, const CommandButton& state)
{
  w->setEnabled(state.enabled);
  w->setVisible(state.visible);
}

void WindowView::drawCheck(QCheckBox* w, const CheckBox& state)
{
  const QSignalBlocker block(w);
  w->setChecked(state.value != 0);
  w->setEnabled(state.enabled);
  w->setVisible(state.visible);
}

void WindowView::drawOption(QRadioButton* w, const OptionButton& state)
{
  const QSignalBlocker block(w);
  w->setChecked(state.value);
  w->setEnabled(state.enabled);
  w->setVisible(state.visible);
}

namespace {

void drawTextAs(QLineEdit* w, const TextBox& state, const QString& text)
{
  if (w->text() != text) {
    const QSignalBlocker block(w);
    w->setText(text);
  }
  w->setEnabled(state.enabled);
  w->setVisible(state.visible);
}

}  // namespace

void WindowView::drawText(QLineEdit* w, const TextBox& state)
{
  drawTextAs(w, state, QString::fromStdString(state.text));
}

void WindowView::drawFileName(QLineEdit* w, const TextBox& state)
{
  drawTextAs(w, state, fileNameText(state.text));
}

void WindowView::drawCombo(QComboBox* w, const ComboBox& state)
{
  const QSignalBlocker block(w);
  QStringList items;
  for (const auto& item : state.items) {
    items << QString::fromStdString(item);
  }
  QStringList current;
  for (int k = 0; k < w->count(); ++k) {
    current << w->itemText(k);
  }
  if (current != items) {
    w->clear();
    w->addItems(items);
  }
  w->setCurrentIndex(state.index < w->count() ? state.index : -1);
  w->setEnabled(state.enabled);
  w->setVisible(state.visible);
}

void WindowView::drawLabel(QLabel* w, const Label& state)
{
  w->setText(bidiDisplayText(state.caption));
  w->setVisible(state.visible);
}

}  // namespace vorn
