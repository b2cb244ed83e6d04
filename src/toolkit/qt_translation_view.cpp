#include "toolkit/qt_translation_view.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QProxyStyle>
#include <QTranslator>

namespace vorn {

namespace {

constexpr const char* kTranslatorName = "vorn-qt-translation";
constexpr const char* kPathFilterName = "vorn-path-fields";

// The names Qt gives the path fields of its own dialogs: the file dialog's folder list and file
// name box, the printer dialog's output file box.
constexpr const char* kPathFields[] = {"lookInCombo", "fileNameEdit", "filename"};

// Draws a combo box's text in the box's own direction: a painter takes the application's.
class TextInOwnDirection : public QProxyStyle {
public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override
  {
    if (element == CE_ComboBoxLabel) {
      painter->save();
      painter->setLayoutDirection(option->direction);
      QProxyStyle::drawControl(element, option, painter, widget);
      painter->restore();
      return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

// Turns the path fields of every Qt file or printer dialog left to right as it is shown.
class PathFieldsLeftToRight : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() == QEvent::Show &&
        (qobject_cast<QFileDialog*>(watched) || qobject_cast<QPrintDialog*>(watched))) {
      showPathFieldsLeftToRight(*static_cast<QWidget*>(watched));
    }
    return false;
  }
};

}  // namespace

QString qtTranslationFolder()
{
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void showPathFieldsLeftToRight(QWidget& dialog)
{
  for (const char* name : kPathFields) {
    for (QWidget* field : dialog.findChildren<QWidget*>(QString::fromLatin1(name))) {
      if (qobject_cast<QLineEdit*>(field)) {
        field->setLayoutDirection(Qt::LeftToRight);
      } else if (qobject_cast<QComboBox*>(field) && field->layoutDirection() != Qt::LeftToRight) {
        field->setLayoutDirection(Qt::LeftToRight);
        auto* style = new TextInOwnDirection;
        style->setParent(field);
        field->setStyle(style);
      }
    }
  }
}

bool installQtTranslation()
{
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) {
    return false;
  }
  if (app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
    return true;
  }
  if (!app->findChild<QObject*>(kPathFilterName, Qt::FindDirectChildrenOnly)) {
    auto* filter = new PathFieldsLeftToRight(app);
    filter->setObjectName(kPathFilterName);
    app->installEventFilter(filter);
  }
  auto* translator = new QTranslator(app);
  translator->setObjectName(kTranslatorName);
  if (!translator->load(QString::fromLatin1(kQtTranslation), qtTranslationFolder())) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace vorn
