#include "views/main/form1_main_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "views/report/note_export_view.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/main/form1_main.h"
#include "windows/report/form27_print.h"
#include "windows/report/note_document.h"

namespace vorn {

Form1View::Form1View(ViewApplication& app) : WindowView(app, WindowId::form1, form1_texts::caption)
{
  Form1& logic = app.session().form1;

  auto* menuBar = new QMenuBar(this);
  QMenu* file = menuBar->addMenu(QString::fromUtf8(form1_texts::menuFile));
  file->setObjectName("menfile");
  auto addItem = [&](const char* name, const char* text, QKeySequence key,
                     std::function<void()> event) {
    QAction* action = file->addAction(QString::fromUtf8(text));
    action->setObjectName(name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, event] { forward(event); });
    return action;
  };
  addItem("MENNEW", form1_texts::menuNew, QKeySequence(Qt::CTRL | Qt::Key_N),
          [&logic] { logic.MENNEW_Click(); });
  Form26& files = app.session().form26;
  addItem("MENOPEN", form1_texts::menuOpen, QKeySequence(Qt::CTRL | Qt::Key_O),
          [&files] { files.MENOPEN_Click(); });
  addItem("MENSAVE", form1_texts::menuSave, QKeySequence(Qt::CTRL | Qt::Key_S),
          [&files] { files.MENSAVE_Click(); });
  addItem("MENSAVEAS", form1_texts::menuSaveAs, QKeySequence(),
          [&files] { files.MENSAVEAS_Click(); });
  Form27& print = app.session().form27;
  addItem("MENPRINT", form1_texts::menuPrint, QKeySequence(Qt::CTRL | Qt::Key_P),
          [&print] { print.open(); });
  // The calculation note and the workbook of the ticked tables. Their dialogs are modal and run
  // outside the session's events: what they write goes through the session when it is saved.
  note_ = file->addAction(QString::fromUtf8(note_texts::menuNote));
  note_->setObjectName("MENNOTE");
  note_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  connect(note_, &QAction::triggered, this, [this, &app] {
    NoteExportDialog dialog(app, this);
    dialog.exec();
  });
  workbook_ = file->addAction(QString::fromUtf8(note_texts::menuWorkbook));
  workbook_->setObjectName("MENWORKBOOK");
  workbook_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X));
  connect(workbook_, &QAction::triggered, this,
          [this, &app] { exportWorkbookFromMenu(app, this); });
  addItem("MENEXIT", form1_texts::menuExit, QKeySequence(Qt::CTRL | Qt::Key_E),
          [&logic] { logic.MENEXIT_Click(); });

  auto* buttons = new QGridLayout;
  for (int k = 1; k <= 16; ++k) {
    auto* b = new QPushButton(
        QString::fromUtf8(form1_texts::commands.at(static_cast<std::size_t>(k - 1))), this);
    b->setObjectName(QString("Command%1").arg(k));
    b->setMinimumHeight(34);
    keepRoomForText(b);
    connect(b, &QPushButton::clicked, this,
            [this, &logic, k] { forward([&logic, k] { logic.Command_Click(k); }); });
    // Input steps on the right (the first column in a right-to-left layout), results on the left.
    buttons->addWidget(b, (k - 1) % 8, (k - 1) / 8);
    commands_.at(static_cast<std::size_t>(k - 1)) = b;
  }

  check11_ = new QCheckBox(QString::fromUtf8(form1_texts::check11), this);
  check11_->setObjectName("Check11");
  connect(check11_, &QCheckBox::clicked, this, [this, &logic](bool checked) {
    forward([&logic, checked] { logic.Check11_Click(checked ? 1 : 0); });
  });

  new_ = new QPushButton(QString::fromUtf8(form1_texts::newButton), this);
  new_->setObjectName("NEW");
  connect(new_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.NEW_Click(); }); });
  end_ = new QPushButton(QString::fromUtf8(form1_texts::endButton), this);
  end_->setObjectName("END");
  connect(end_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.END_Click(); }); });

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(check11_);
  bottom->addStretch();
  bottom->addWidget(new_);
  bottom->addWidget(end_);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addLayout(buttons);
  layout->addLayout(bottom);
  resize(760, 420);
}

void Form1View::drawControls()
{
  const Form1Controls& f = app().project().form1;
  for (int k = 1; k <= 16; ++k) {
    drawButton(command(k), f.Command[k]);
  }
  drawCheck(check11_, f.Check11);
  drawButton(new_, f.NEW);
  drawButton(end_, f.END);
  const bool tables = reportHasTable(app().project());
  note_->setEnabled(tables);
  workbook_->setEnabled(tables);
}

bool Form1View::frameCloseRequested()
{
  return app().session().form1.Form_QueryUnload();
}

}  // namespace vorn
