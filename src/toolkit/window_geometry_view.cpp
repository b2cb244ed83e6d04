#include "toolkit/window_geometry_view.h"

#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QWidget>
#include <algorithm>

namespace vorn {

namespace {

// Set on a splitter once the user has moved it (or an earlier run's position was taken).
constexpr const char* kChosenPosition = "vornChosenPosition";

QString group(const QWidget& window)
{
  return "windows/" + window.objectName();
}

// The room a window's frame takes: what the window manager says, but never less than the
// allowance, as it says nothing before it has framed the window.
QSize frameSize(const QWidget& window)
{
  return (window.frameGeometry().size() - window.size()).expandedTo(kFrameAllowance);
}

}  // namespace

QSize availableWindowSize(const QWidget& window)
{
  const QScreen* screen = window.screen();
  if (screen == nullptr) {
    return window.size();
  }
  return (screen->availableGeometry().size() - frameSize(window)).expandedTo(QSize(1, 1));
}

void fitToScreen(QWidget& window)
{
  const QScreen* screen = window.screen();
  if (screen == nullptr) {
    return;
  }
  const QPoint middle = window.frameGeometry().center();
  const QSize fitted = window.size().boundedTo(availableWindowSize(window));
  if (fitted != window.size()) {
    window.resize(fitted);
  }
  // A window the window manager places is placed on the screen by it; one the program placed
  // keeps its middle and stays within the free area.
  if (!window.testAttribute(Qt::WA_Moved)) {
    return;
  }
  const QRect area = screen->availableGeometry();
  const QSize outer = window.frameGeometry().size();
  QPoint corner = middle - QPoint(outer.width() / 2, outer.height() / 2);
  corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - outer.width())));
  corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outer.height())));
  if (corner != window.pos()) {
    window.move(corner);
  }
}

void WindowGeometry::shown(QWidget& window, bool heightIsSet)
{
  fitToScreen(window);
  if (restored_) {
    return;
  }
  restored_ = true;
  programSize_ = window.size();
  QSettings settings(kSettingsOrganisation, kSettingsApplication);
  settings.beginGroup(group(window));
  const QSize room = availableWindowSize(window);
  const int width = settings.value("width", 0).toInt();
  const int height = heightIsSet ? 0 : settings.value("height", 0).toInt();
  if (width <= room.width() && height <= room.height() && (width > 0 || height > 0)) {
    window.resize(width > 0 ? width : window.width(), height > 0 ? height : window.height());
    sizeChosen_ = true;
  }
  for (QSplitter* splitter : window.findChildren<QSplitter*>()) {
    if (splitter->objectName().isEmpty()) {
      continue;
    }
    const QByteArray position = settings.value("splitters/" + splitter->objectName()).toByteArray();
    if (!position.isEmpty() && splitter->restoreState(position)) {
      splitter->setProperty(kChosenPosition, true);
    }
    // Only the user's own moves send this signal, never the program's.
    QObject::connect(splitter, &QSplitter::splitterMoved, splitter,
                     [splitter] { splitter->setProperty(kChosenPosition, true); });
  }
}

void WindowGeometry::store(const QWidget& window, bool heightIsSet) const
{
  if (!restored_) {
    return;  // never shown: nothing was chosen
  }
  QSettings settings(kSettingsOrganisation, kSettingsApplication);
  settings.beginGroup(group(window));
  auto keep = [&settings](const char* key, int value, int programs) {
    if (value != programs) {
      settings.setValue(key, value);
    } else {
      settings.remove(key);
    }
  };
  if (sizeChosen_) {
    keep("width", window.width(), programSize_.width());
    if (!heightIsSet) {
      keep("height", window.height(), programSize_.height());
    }
  }
  for (const QSplitter* splitter : window.findChildren<QSplitter*>()) {
    if (!splitter->objectName().isEmpty() && splitter->property(kChosenPosition).toBool()) {
      settings.setValue("splitters/" + splitter->objectName(), splitter->saveState());
    }
  }
}

}  // namespace vorn
