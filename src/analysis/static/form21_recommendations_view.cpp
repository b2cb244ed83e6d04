#include "analysis/static/form21_recommendations_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/static/form21_recommendations.h"
#include "mainwindow/application_view.h"

namespace vorn {

Form21View::Form21View(ViewApplication& app)
    : WindowView(app, WindowId::Form21, form21_texts::caption)
{
  Form21& logic = app.session().form21;

  list_ = new ListView(this);
  list_->setWordWrap(true);
  ok_ = new QPushButton(QString::fromUtf8(form21_texts::ok), this);
  ok_->setObjectName("OK");
  ok_->setMinimumWidth(100);
  connect(ok_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.OK_Click(); }); });

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(bottom);
  resize(980, 600);
}

void Form21View::drawControls()
{
  list_->draw(app().project().form21.List1);
}

bool Form21View::frameCloseRequested()
{
  app().session().form21.OK_Click();
  return true;
}

}  // namespace vorn
