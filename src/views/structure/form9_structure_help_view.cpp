#include "views/structure/form9_structure_help_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "windows/structure/form9_structure_help.h"

namespace vorn {

Form9View::Form9View(ViewApplication& app) : WindowView(app, WindowId::Form9, form9_texts::caption)
{
  auto* layout = new QVBoxLayout(this);
  auto add = [this, layout](const char* text, int extraPoints, bool bold) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setWordWrap(true);
    // A wrapped Persian line can be drawn a few pixels wider than it was measured when it was
    // broken: a little room at the sides keeps its last letters in sight.
    label->setContentsMargins(6, 0, 6, 0);
    QFont font = label->font();
    font.setBold(bold);
    font.setPointSize(font.pointSize() + extraPoints);
    label->setFont(font);
    layout->addWidget(label);
    texts_.push_back(label);
    return label;
  };
  add(form9_texts::heading, 2, true)->setAlignment(Qt::AlignCenter);
  layout->addSpacing(6);
  add(form9_texts::planHeading, 0, true);
  for (const char* item : form9_texts::planItems) {
    add(item, 0, false);
  }
  layout->addSpacing(6);
  add(form9_texts::heightHeading, 0, true);
  for (const char* item : form9_texts::heightItems) {
    add(item, 0, false);
  }

  ok_ = new QPushButton(QString::fromUtf8(form9_texts::ok), this);
  ok_->setObjectName("OK");
  connect(ok_, &QPushButton::clicked, this,
          [this] { forward([this] { this->app().session().form9.OK_Click(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();
  layout->addStretch();
  layout->addLayout(buttons);
  // Wrapped labels need the height that goes with the window's width.
  constexpr int width = 760;
  resize(width, layout->totalHeightForWidth(width));
}

bool Form9View::frameCloseRequested()
{
  app().session().form9.OK_Click();
  return true;
}

}  // namespace vorn
