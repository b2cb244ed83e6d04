#include "analysis/static/form22_allowable_drifts_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analysis/static/form22_allowable_drifts.h"
#include "mainwindow/application_view.h"
#include "mainwindow/number_cells_view.h"

namespace vorn {

Form22View::Form22View(ViewApplication& app)
    : WindowView(app, WindowId::Form22, form22_texts::caption)
{
  Form22& logic = app.session().form22;

  auto* title = new QLabel(QString::fromUtf8(form22_texts::label1), this);
  title->setObjectName("Label1");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  title->setAlignment(Qt::AlignCenter);
  grid_ = new GridView(this);
  // The headers are long: let them wrap in a taller header row.
  grid_->setWordWrap(true);
  auto* note = new QLabel(QString::fromUtf8(form22_texts::note), this);
  note->setObjectName("Label2");
  note->setWordWrap(true);
  ok_ = new QPushButton(QString::fromUtf8(form22_texts::ok), this);
  ok_->setObjectName("OK");
  ok_->setMinimumWidth(100);
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(grid_);
  layout->addWidget(note);
  layout->addLayout(bottom);
  // Five columns of 3000 twips side by side.
  resize(5 * 3000 / kTwipsPerPixel + 40, 520);
}

void Form22View::drawControls()
{
  grid_->draw(app().project().form22.MSFlexGrid1);
  if (grid_->rowCount() > 0) {
    grid_->resizeRowToContents(0);
  }
}

bool Form22View::frameCloseRequested()
{
  app().session().form22.OK_Click();
  return true;
}

}  // namespace vorn
