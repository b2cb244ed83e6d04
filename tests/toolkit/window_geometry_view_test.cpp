#include "toolkit/window_geometry_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTextEdit>
#include <QWindow>
#include <memory>

#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "toolkit/window_view.h"

namespace vorn {
namespace {

constexpr WindowId kId = WindowId::Form21;

// A window of the program with two parts in a splitter, drawn from its state in the project.
class SampleWindow : public WindowView {
public:
  SampleWindow(ViewApplication& app, QSize size) : WindowView(app, kId, "sample")
  {
    splitter = new QSplitter(this);
    splitter->setObjectName("Parts");
    splitter->addWidget(new QTextEdit(splitter));
    splitter->addWidget(new QTextEdit(splitter));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(size);
  }
  QSplitter* splitter = nullptr;

protected:
  void drawControls() override {}
  bool frameCloseRequested() override { return true; }
};

// The user drags the line between the splitter's parts `by` pixels along it.
void dragSplitter(QSplitter* splitter, int by)
{
  QSplitterHandle* handle = splitter->handle(1);
  const QPoint from = handle->rect().center();
  auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(handle, &event);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton);
  send(QEvent::MouseMove, from + QPoint(by, 0), Qt::LeftButton);
  send(QEvent::MouseButtonRelease, from + QPoint(by, 0), Qt::NoButton);
}

// The user resizes the window by its frame: the window system tells Qt the new size.
void resizeByFrame(QWidget& window, QSize size)
{
  window.windowHandle()->resize(size);
  QApplication::processEvents();
}

QSettings settings()
{
  return QSettings(kSettingsOrganisation, kSettingsApplication);
}

// One run of the program with the sample window in it; the test main starts each test with
// empty settings.
class ProgramRun {
public:
  explicit ProgramRun(QSize designed = QSize(600, 400))
  {
    window = new SampleWindow(app, designed);
    app.add(window);
  }
  void show(bool shown = true)
  {
    app.project().window(kId).visible = shown;
    app.refresh();
    QApplication::processEvents();
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
  SampleWindow* window = nullptr;
};

TEST(WindowGeometry, TheSizeAndSplitterPositionTheUserChoseComeBackInTheNextRun)
{
  QList<int> dragged;
  {
    ProgramRun first;
    first.show();
    EXPECT_EQ(first.window->size(), QSize(600, 400));
    resizeByFrame(*first.window, QSize(700, 450));
    ASSERT_EQ(first.window->size(), QSize(700, 450));
    const QList<int> before = first.window->splitter->sizes();
    dragSplitter(first.window->splitter, 80);
    dragged = first.window->splitter->sizes();
    ASSERT_NE(dragged, before) << "the drag moved the line";
    first.show(false);
  }
  {
    ProgramRun second;
    second.show();
    EXPECT_EQ(second.window->size(), QSize(700, 450));
    EXPECT_EQ(second.window->splitter->sizes(), dragged);
    // The program ends with the window still shown.
    resizeByFrame(*second.window, QSize(640, 480));
  }
  EXPECT_EQ(settings().value("windows/Form21/width").toInt(), 640);
  EXPECT_EQ(settings().value("windows/Form21/height").toInt(), 480);
}

TEST(WindowGeometry, WhatTheProgramDidAloneIsNotKept)
{
  {
    ProgramRun run;
    run.show();
    // The program resizes its own window, and sets the splitter's parts.
    run.window->resize(650, 420);
    run.window->splitter->setSizes({100, 500});
    run.show(false);
  }
  QSettings kept(kSettingsOrganisation, kSettingsApplication);
  kept.beginGroup("windows/Form21");
  EXPECT_TRUE(kept.allKeys().isEmpty()) << kept.allKeys().join(' ').toStdString();

  // A user who resizes the window back to the program's own size takes the kept size away.
  settings().setValue("windows/Form21/width", 700);
  ProgramRun back;
  back.show();
  EXPECT_EQ(back.window->width(), 700);
  resizeByFrame(*back.window, QSize(600, back.window->height()));
  back.show(false);
  EXPECT_FALSE(settings().contains("windows/Form21/width"));
}

TEST(WindowGeometry, AKeptSizeGivesWayToASmallerScreenAndToAHeightTheProgramSets)
{
  const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
  settings().setValue("windows/Form21/width", free.width() + 100);
  settings().setValue("windows/Form21/height", 300);
  {
    ProgramRun larger;
    larger.show();
    EXPECT_EQ(larger.window->size(), QSize(600, 400));
  }
  settings().setValue("windows/Form21/width", 720);
  settings().setValue("windows/Form21/height", 500);
  {
    ProgramRun run;
    run.app.project().window(kId).heightTwips = 250 * kTwipsPerPixel;
    run.show();
    EXPECT_EQ(run.window->size(), QSize(720, 250));
    resizeByFrame(*run.window, QSize(760, 300));
    run.show(false);
  }
  EXPECT_EQ(settings().value("windows/Form21/width").toInt(), 760);
  EXPECT_EQ(settings().value("windows/Form21/height").toInt(), 500) << "the height is left alone";
}

TEST(WindowGeometry, AWindowLargerThanTheScreenOpensWithinItsFreeAreaAroundWhereItWasPlaced)
{
  const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
  ProgramRun placed(QSize(free.width() + 200, 300));
  placed.window->move(free.center() - QPoint(placed.window->width() / 2, 150));
  placed.show();
  EXPECT_TRUE(free.contains(placed.window->frameGeometry()));
  EXPECT_LE(placed.window->width(), free.width() - kFrameAllowance.width());
  EXPECT_NEAR(placed.window->frameGeometry().center().y(), free.center().y(), 2);
}

}  // namespace
}  // namespace vorn
