#include "views/torsion/form18_torsion_results_view.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "toolkit/number_label_view.h"

namespace vorn {

Form18View::Form18View(ViewApplication& app)
    : DialogView(app, WindowId::Form18, form18_texts::caption, app.session().form18,
                 &Project::form18, &Form18::Form_QueryUnload)
{
  auto make = [this](const QString& name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    return l;
  };
  label1_ = make("Label1");
  label2_ = make("Label2");
  for (int k = 0; k <= 2; ++k) {
    label3_.at(static_cast<std::size_t>(k)) = make(QString("Label3_%1").arg(k));
  }
  label4_ = make("Label4");
  label5_ = make("Label5");
  for (int k = 0; k <= 1; ++k) {
    label6_.at(static_cast<std::size_t>(k)) = make(QString("Label6_%1").arg(k));
  }
  label7_ = make("Label7");
  label7_->setWordWrap(true);
  label8_ = make("Label8");
  QFont strong = label7_->font();
  strong.setBold(true);
  label7_->setFont(strong);
  label6_[0]->setFont(strong);
  label6_[1]->setFont(strong);

  // Overturning on the right, safety factors on the left (right to left), one line per value.
  auto* values = new QGridLayout;
  values->addWidget(label2_, 0, 0);
  values->addWidget(label3_[0], 1, 0);
  values->addWidget(label3_[1], 2, 0);
  values->addWidget(label4_, 3, 0);
  values->addWidget(label3_[2], 4, 0);
  values->addWidget(label5_, 1, 1);
  values->addWidget(label6_[0], 1, 2);
  values->addWidget(label8_, 2, 1);
  values->addWidget(label6_[1], 2, 2);
  values->setColumnStretch(3, 1);
  values->setHorizontalSpacing(24);

  grid_ = new GridView(this);
  QHBoxLayout* bottom = okRow(addOk(form18_texts::ok));

  // The results (labels, conclusion and grid), and the total torsional moments plotted beside
  // them.
  auto* results = new QWidget(this);
  auto* resultsLayout = new QVBoxLayout(results);
  resultsLayout->setContentsMargins(0, 0, 0, 0);
  resultsLayout->addWidget(label1_);
  resultsLayout->addLayout(values);
  resultsLayout->addWidget(label7_);
  resultsLayout->addWidget(grid_, 1);
  plot_ = new PlotPanel(app.session().prompter, this);
  QSplitter* resultsAndPlot = split(this, "ResultsAndPlot", Qt::Horizontal, results, plot_);
  resultsAndPlot->setSizes({840, 580});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(resultsAndPlot, 1);
  layout->addLayout(bottom);
  resize(1440, 760);
}

QLabel* Form18View::label(const char* name) const
{
  return findChild<QLabel*>(QString::fromUtf8(name));
}

void Form18View::drawControls()
{
  const Form18Contents& f = app().project().form18;
  drawNumberLabel(label1_, f.Label1);
  drawNumberLabel(label2_, f.Label2);
  for (int k = 0; k <= 2; ++k) {
    drawNumberLabel(label3_.at(static_cast<std::size_t>(k)), f.Label3[k]);
  }
  drawNumberLabel(label4_, f.Label4);
  drawNumberLabel(label5_, f.Label5);
  for (int k = 0; k <= 1; ++k) {
    drawNumberLabel(label6_.at(static_cast<std::size_t>(k)), f.Label6[k]);
  }
  drawNumberLabel(label7_, f.Label7);
  drawNumberLabel(label8_, f.Label8);
  drawGrid(grid_, f.MSFlexGrid1);
  drawPlot(plot_, app().project(), id(), torsionPlot);
}

}  // namespace vorn
