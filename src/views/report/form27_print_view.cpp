#include "views/report/form27_print_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "toolkit/file_name_text_view.h"
#include "windows/report/form27_print.h"

namespace vorn {

Form27View::Form27View(ViewApplication& app)
    : WindowView(app, WindowId::Form27, form27_texts::caption)
{
  Form27& logic = app.session().form27;
  logic.setDevices(&devices_);

  for (int k = 1; k <= 11; ++k) {
    QString caption = QString::fromUtf8(form27_texts::checks.at(static_cast<std::size_t>(k - 1)));
    if (k == 11) {
      // A left-to-right mark keeps the colon after "PRINT TO TEXT FILE" in a right-to-left
      // program; the mark is not part of the caption.
      caption += QChar(0x200E);
    }
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString("Check%1").arg(k));
    connect(box, &QCheckBox::clicked, this, [this, &logic, k](bool checked) {
      forward([&logic, k, checked] { logic.Check_Click(k, checked ? 1 : 0); });
    });
    checks_.at(static_cast<std::size_t>(k - 1)) = box;
  }

  // Input tables on the right, output tables on the left, each under its heading.
  auto* tables = new QHBoxLayout;
  auto addColumn = [&](const char* heading, int first, int last) {
    auto* column = new QVBoxLayout;
    auto* title = new QLabel(QString::fromUtf8(heading), this);
    title->setObjectName(first == 1 ? "Label1_0" : "Label1_1");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    for (int k = first; k <= last; ++k) {
      column->addWidget(check(k));
    }
    column->addStretch();
    tables->addLayout(column);
  };
  addColumn(form27_texts::inputHeading, 1, 4);
  tables->addSpacing(24);
  addColumn(form27_texts::outputHeading, 5, 10);

  // The file row reads left to right, like the path it holds.
  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text1_->setMinimumWidth(320);
  connect(text1_, &QLineEdit::textEdited, this, [this, &logic](const QString& text) {
    forward([&logic, t = fileNameBytes(text)] { logic.Text1_Change(t); });
  });
  browse_ = new QPushButton(QString::fromUtf8(form27_texts::browse), this);
  browse_->setObjectName("Command3");
  keepRoomForText(browse_);
  connect(browse_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command3_Click(); }); });
  auto* fileRow = new QWidget(this);
  for (QWidget* w : {static_cast<QWidget*>(fileRow), static_cast<QWidget*>(check(11)),
                     static_cast<QWidget*>(text1_), static_cast<QWidget*>(browse_)}) {
    w->setLayoutDirection(Qt::LeftToRight);
  }
  auto* fileLayout = new QHBoxLayout(fileRow);
  fileLayout->setContentsMargins(0, 0, 0, 0);
  fileLayout->addWidget(check(11));
  fileLayout->addWidget(text1_, 1);
  fileLayout->addWidget(browse_);

  auto makeButton = [this](const char* text, const char* name, std::function<void()> event) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    keepRoomForText(b, 100);
    connect(b, &QPushButton::clicked, this, [this, event] { forward(event); });
    return b;
  };
  selectAll_ =
      makeButton(form27_texts::selectAll, "Command1", [&logic] { logic.Command1_Click(); });
  deselectAll_ =
      makeButton(form27_texts::deselectAll, "Command2", [&logic] { logic.Command2_Click(); });
  ok_ = makeButton(form27_texts::ok, "OK", [&logic] { logic.OK_Click(); });
  cancel_ = makeButton(form27_texts::cancel, "CANCEL", [&logic] { logic.CANCEL_Click(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(selectAll_);
  buttons->addWidget(deselectAll_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tables);
  layout->addSpacing(8);
  layout->addWidget(fileRow);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  resize(640, 0);
}

Form27View::~Form27View()
{
  app().session().form27.setDevices(nullptr);
}

void Form27View::drawControls()
{
  const Form27Controls& f = app().project().form27;
  for (int k = 1; k <= 11; ++k) {
    drawCheck(check(k), f.Check[k]);
  }
  drawFileName(text1_, f.Text1);
  drawButton(browse_, f.Command3);
  drawButton(ok_, f.OK);
}

bool Form27View::frameCloseRequested()
{
  app().session().form27.Form_QueryUnload();
  return true;
}

}  // namespace vorn
