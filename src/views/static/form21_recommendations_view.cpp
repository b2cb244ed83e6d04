#include "views/static/form21_recommendations_view.h"

#include <QVBoxLayout>

namespace vorn {

Form21View::Form21View(ViewApplication& app)
    : DialogView(app, WindowId::Form21, form21_texts::caption, app.session().form21,
                 &Project::form21, &Form21::OK_Click)
{
  list_ = new ListView(this);
  list_->setWordWrap(true);
  QHBoxLayout* bottom = okRow(addOk(form21_texts::ok));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(bottom);
  resize(980, 600);
}

void Form21View::drawControls()
{
  list_->draw(app().project().form21.List1);
}

}  // namespace vorn
