#include "views/torsion/form17_torsion_summary_view.h"

#include <QVBoxLayout>

#include "toolkit/number_label_view.h"

namespace vorn {

Form17View::Form17View(ViewApplication& app)
    : DialogView(app, WindowId::Form17, form17_texts::caption, app.session().form17,
                 &Project::form17, &Form17::Form_QueryUnload)
{
  auto* plan = new QHBoxLayout;
  for (int k = 1; k <= 4; ++k) {
    auto* l = new QLabel(this);
    l->setObjectName(QString("Label%1").arg(k));
    labels_.at(static_cast<std::size_t>(k - 1)) = l;
    if (k > 1) {
      plan->addWidget(l);
      plan->addSpacing(24);
    }
  }
  plan->addStretch();
  grid_ = new GridView(this);
  QHBoxLayout* bottom = okRow(addOk(form17_texts::ok));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(labels_[0]);
  layout->addLayout(plan);
  layout->addWidget(grid_, 1);
  layout->addLayout(bottom);
  resize(1000, 480);
}

void Form17View::drawControls()
{
  const Form17Contents& f = app().project().form17;
  const std::array<const Label*, 4> labels = {&f.Label1, &f.Label2, &f.Label3, &f.Label4};
  for (std::size_t k = 0; k < labels.size(); ++k) {
    drawNumberLabel(labels_.at(k), *labels.at(k));
  }
  drawGrid(grid_, f.MSFlexGrid1);
}

}  // namespace vorn
