#include "inputs/form3_soil_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "mainwindow/application_view.h"

namespace vorn {

Form3View::Form3View(ViewApplication& app) : WindowView(app, WindowId::Form3, form3_texts::caption)
{
  Form3& logic = app.session().form3;
  auto* layout = new QVBoxLayout(this);
  for (int k = 0; k <= 3; ++k) {
    auto* option = new QRadioButton(
        QString::fromUtf8(form3_texts::options.at(static_cast<std::size_t>(k))), this);
    option->setObjectName(QString("Option1_%1").arg(k));
    option->setAutoExclusive(false);
    connect(option, &QRadioButton::clicked, this,
            [this, &logic, k] { forward([&logic, k] { logic.Option1_Click(k); }); });
    layout->addWidget(option);
    options_.at(static_cast<std::size_t>(k)) = option;
  }

  help_ = new QPushButton(QString::fromUtf8(form3_texts::command1), this);
  help_->setObjectName("Command1");
  ok_ = new QPushButton(QString::fromUtf8(form3_texts::ok), this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton(QString::fromUtf8(form3_texts::cancel), this);
  cancel_->setObjectName("CANCEL");
  connect(help_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.Command1_Click(); }); });
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.CANCEL_Click(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  layout->addSpacing(8);
  layout->addWidget(help_);
  layout->addLayout(buttons);
  resize(380, 0);
}

void Form3View::drawControls()
{
  const Form3Controls& f = app().project().form3;
  for (int k = 0; k <= 3; ++k) {
    drawOption(option(k), f.Option1[k]);
  }
}

bool Form3View::frameCloseRequested()
{
  app().session().form3.CANCEL_Click();
  return true;
}

Form4View::Form4View(ViewApplication& app)
    : HelpWindowView(app, WindowId::Form4, form4_texts::caption, form4_texts::sections, "Command1",
                     form4_texts::command1, [&app] { app.session().form4.Command1_Click(); })
{
}

}  // namespace vorn
