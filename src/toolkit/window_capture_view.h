#pragma once

#include <QString>
#include <string>

class QWidget;

namespace vorn {

class ViewApplication;

// The widgets of a window as text, one line each, children indented below their parent: type,
// object name, geometry, enabled and visible, and what the widget shows (a label's or button's
// text, a box's text, a list's items, a grid's cells, a check box's tick). Two windows that look
// alike give the same text; a change of a widget shows up as a changed line.
QString widgetDump(const QWidget& window);

// Shows every window of the program in turn, as the project shows it, and saves its picture and
// its widget dump as `<folder>/<prefix>-<window>.png` and `.txt`; the project's windows are left
// as they were. Gives the number of windows captured, or -1 when a file could not be written.
int captureWindows(ViewApplication& app, const std::string& folder, const std::string& prefix);

}  // namespace vorn
