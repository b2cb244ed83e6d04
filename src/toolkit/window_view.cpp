#include "toolkit/window_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include "model/grid.h"
#include "toolkit/application_view.h"
#include "toolkit/file_name_text_view.h"

namespace vorn {

WindowView::WindowView(ViewApplication& app, WindowId id, const char* designCaption)
    : QWidget(nullptr), app_(app), id_(id), designCaption_(QString::fromUtf8(designCaption))
{
  setObjectName(QString::fromUtf8(windowName(id).data(), static_cast<int>(windowName(id).size())));
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
  if (w.visible && !isVisible()) {
    show();
    raise();
    activateWindow();
  } else if (!w.visible && isVisible()) {
    hide();
  } else if (w.visible && becameEnabled) {
    // a window that another one had covered comes back to the front when it is returned to
    raise();
    activateWindow();
  }
  if (w.visible && w.enabled && !w.focus.empty()) {
    if (auto* target = findChild<QWidget*>(QString::fromStdString(w.focus))) {
      target->setFocus(Qt::OtherFocusReason);
    }
    app_.project().window(id_).focus.clear();
  }
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
  w->setText(QString::fromStdString(state.caption));
  w->setVisible(state.visible);
}

}  // namespace vorn
