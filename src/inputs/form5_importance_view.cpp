#include "inputs/form5_importance_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "mainwindow/application_view.h"

namespace vorn {

Form5View::Form5View(ViewApplication& app) : WindowView(app, WindowId::Form5, form5_texts::caption)
{
  Form5& logic = app.session().form5;
  auto* layout = new QVBoxLayout(this);
  for (int k = 0; k <= 3; ++k) {
    auto* option = new QRadioButton(
        QString::fromUtf8(form5_texts::options.at(static_cast<std::size_t>(k))), this);
    option->setObjectName(QString("Option1_%1").arg(k));
    option->setAutoExclusive(false);
    connect(option, &QRadioButton::clicked, this,
            [this, &logic, k] { forward([&logic, k] { logic.Option1_Click(k); }); });
    layout->addWidget(option);
    options_.at(static_cast<std::size_t>(k)) = option;
  }

  help_ = new QPushButton(QString::fromUtf8(form5_texts::command1), this);
  help_->setObjectName("Command1");
  ok_ = new QPushButton(QString::fromUtf8(form5_texts::ok), this);
  ok_->setObjectName("OK");
  cancel_ = new QPushButton(QString::fromUtf8(form5_texts::cancel), this);
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

void Form5View::drawControls()
{
  const Form5Controls& f = app().project().form5;
  for (int k = 0; k <= 3; ++k) {
    drawOption(option(k), f.Option1[k]);
  }
}

bool Form5View::frameCloseRequested()
{
  app().session().form5.CANCEL_Click();
  return true;
}

Form6View::Form6View(ViewApplication& app)
    : HelpWindowView(app, WindowId::Form6, form6_texts::caption, form6_texts::sections, "OK",
                     form6_texts::ok, [&app] { app.session().form6.OK_Click(); })
{
}

}  // namespace vorn
