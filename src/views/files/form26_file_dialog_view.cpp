#include "views/files/form26_file_dialog_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "toolkit/application_view.h"
#include "toolkit/file_name_text_view.h"
#include "windows/files/form26_file_dialog.h"

namespace vorn {

namespace {

// Folders and files are shown through fileNameText(); a choice goes back to the logic by its
// place in the list, whose bytes the logic holds.
QStringList toList(const std::vector<std::string>& items)
{
  QStringList list;
  for (const auto& item : items) {
    list << fileNameText(item);
  }
  return list;
}

void drawItems(QListWidget* w, const QStringList& items)
{
  QStringList current;
  for (int k = 0; k < w->count(); ++k) {
    current << w->item(k)->text();
  }
  if (current != items) {
    const QSignalBlocker block(w);
    w->clear();
    w->addItems(items);
  }
}

}  // namespace

Form26View::Form26View(ViewApplication& app)
    : WindowView(app, WindowId::Form26, form26_texts::saveCaption)
{
  // File names and folders read left to right.
  setLayoutDirection(Qt::LeftToRight);
  drive1_ = new QComboBox(this);
  drive1_->setObjectName("Drive1");
  dir1_ = new QListWidget(this);
  dir1_->setObjectName("Dir1");
  file1_ = new QListWidget(this);
  file1_->setObjectName("File1");
  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton("CANCEL", this);
  cancel_->setObjectName("CANCEL");

  connect(drive1_, &QComboBox::activated, this, [this](int k) {
    const std::string drive = fileNameBytes(drive1_->itemText(k));
    forward([this, drive] { logic().Drive1_Change(drive); });
  });
  connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const int row = dir1_->row(item);
    forward([this, row] { logic().Dir1_Click(row); });
  });
  connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = file1_->row(item);
    forward([this, row] { logic().File1_Click(row); });
  });
  connect(file1_, &QListWidget::itemDoubleClicked, this,
          [this] { forward([this] { logic().OK_Click(); }); });
  connect(combo1_, &QComboBox::activated, this,
          [this](int k) { forward([this, k] { logic().Combo1_Click(k); }); });
  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) {
    const std::string text = fileNameBytes(t);
    forward([this, text] { logic().Text1_Change(text); });
  });
  connect(text1_, &QLineEdit::returnPressed, this,
          [this] { forward([this] { logic().OK_Click(); }); });
  connect(ok_, &QPushButton::clicked, this, [this] { forward([this] { logic().OK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this] { forward([this] { logic().CANCEL_Click(); }); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(form26_texts::fileName, this), 0, 0);
  grid->addWidget(text1_, 1, 0);
  grid->addWidget(file1_, 2, 0);
  grid->addWidget(new QLabel(form26_texts::filesOfType, this), 3, 0);
  grid->addWidget(combo1_, 4, 0);
  grid->addWidget(dir1_, 0, 1, 3, 1);
  grid->addWidget(drive1_, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  grid->addLayout(buttons, 5, 0, 1, 2);
  resize(620, 380);
}

Form26& Form26View::logic()
{
  return app().session().form26;
}

void Form26View::drawControls()
{
  const Form26Controls& c = logic().controls();
  {
    const QSignalBlocker block(drive1_);
    if (drive1_->count() != static_cast<int>(c.drives.size())) {
      drive1_->clear();
      drive1_->addItems(toList(c.drives));
    }
    drive1_->setCurrentText(fileNameText(c.drive));
  }
  drawItems(dir1_, toList(c.dirItems));
  drawItems(file1_, toList(c.files));
  drawCombo(combo1_, c.Combo1);
  drawFileName(text1_, c.Text1);
}

bool Form26View::frameCloseRequested()
{
  logic().CANCEL_Click();
  return false;
}

}  // namespace vorn
