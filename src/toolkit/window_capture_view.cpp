#include "toolkit/window_capture_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>

#include "toolkit/application_view.h"
#include "toolkit/window_view.h"

namespace vorn {

namespace {

QString oneLine(QString text)
{
  return text.replace('\\', "\\\\").replace('\n', "\\n").replace('\r', "\\r");
}

QString tableText(const QTableWidget& t)
{
  QStringList rows;
  for (int r = 0; r < t.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < t.columnCount(); ++c) {
      const QTableWidgetItem* item = t.item(r, c);
      cells << (item ? item->text() : QString());
    }
    rows << cells.join(" | ");
  }
  return rows.join(" / ");
}

// What the widget shows, for the kinds of widget the windows use.
QString shownText(const QWidget& w)
{
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    return label->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    const bool tick = qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w);
    return tick ? button->text() + (button->isChecked() ? " [x]" : " [ ]") : button->text();
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(&w)) {
    return box->text();
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
    QStringList items;
    for (int k = 0; k < combo->count(); ++k) {
      items << combo->itemText(k);
    }
    return combo->currentText() + " {" + items.join(" | ") + "}";
  }
  if (const auto* list = qobject_cast<const QListWidget*>(&w)) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k) {
      items << list->item(k)->text();
    }
    return items.join(" | ");
  }
  if (const auto* table = qobject_cast<const QTableWidget*>(&w)) {
    return tableText(*table);
  }
  if (const auto* text = qobject_cast<const QTextEdit*>(&w)) {
    return text->toPlainText();
  }
  return {};
}

void dump(const QWidget& w, int depth, QString& out)
{
  const QRect g = w.geometry();
  out += QString(depth * 2, ' ') + w.metaObject()->className() + " \"" + w.objectName() + "\" " +
         QString("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()) +
         (w.isEnabled() ? " enabled" : " disabled") + (w.isVisible() ? " visible" : " hidden");
  const QString text = depth == 0 ? w.windowTitle() : shownText(w);
  if (!text.isEmpty()) {
    out += " \"" + oneLine(text) + "\"";
  }
  out += '\n';
  for (const QObject* child : w.children()) {
    if (const auto* widget = qobject_cast<const QWidget*>(child)) {
      dump(*widget, depth + 1, out);
    }
  }
}

}  // namespace

QString widgetDump(const QWidget& window)
{
  QString out;
  dump(window, 0, out);
  return out;
}

int captureWindows(ViewApplication& app, const std::string& folder, const std::string& prefix)
{
  int captured = 0;
  for (int w = 0; w < kWindowCount; ++w) {
    const auto id = static_cast<WindowId>(w);
    WindowView* view = app.view(id);
    if (view == nullptr) {
      continue;
    }
    WindowState& state = app.project().window(id);
    const WindowState saved = state;
    state.visible = true;
    app.refresh();
    QApplication::processEvents();
    const QString base =
        QString::fromStdString(folder + "/" + prefix + "-") +
        QString::fromUtf8(windowName(id).data(), static_cast<qsizetype>(windowName(id).size()));
    const bool saved_picture = view->grab().save(base + ".png");
    QFile text(base + ".txt");
    const bool saved_dump =
        text.open(QIODevice::WriteOnly) && text.write(widgetDump(*view).toUtf8()) >= 0;
    text.close();
    state = saved;
    app.refresh();
    if (!saved_picture || !saved_dump) {
      return -1;
    }
    ++captured;
  }
  return captured;
}

}  // namespace vorn
