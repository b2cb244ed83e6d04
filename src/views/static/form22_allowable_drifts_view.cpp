#include "views/static/form22_allowable_drifts_view.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vorn {

Form22View::Form22View(ViewApplication& app)
    : DialogView(app, WindowId::Form22, form22_texts::caption, app.session().form22,
                 &Project::form22, &Form22::OK_Click)
{
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
  QHBoxLayout* bottom = okRow(addOk(form22_texts::ok));

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
  drawGrid(grid_, app().project().form22.MSFlexGrid1);
}

}  // namespace vorn
