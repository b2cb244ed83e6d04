#include "views/pdelta/form23_pdelta_view.h"
#include "windows/pdelta/form23_pdelta.h"

#include "toolkit/button_row_view.h"

namespace vorn {

namespace t = form23_texts;

Form23View::Form23View(ViewApplication& app)
    : DialogView(app, WindowId::Form23, form23_texts::caption, app.session().form23,
                 &Project::form23, &Form23::Form_QueryUnload)
{
  auto label = [this](const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setWordWrap(true);
    return l;
  };
  for (int k = 1; k <= 5; ++k) {
    story_.addBox(90);
  }

  auto* story = new QHBoxLayout;
  story->addWidget(label(t::text1Label));
  story->addWidget(text(1));
  story->addStretch();

  // Rows: x then y; columns: the direction, the average drift, the maximum drift, the unit.
  auto* drifts = new QGridLayout;
  drifts->setHorizontalSpacing(16);
  for (int col : {1, 2}) {
    auto* heading = label(col == 1 ? t::averageColumn : t::maximumColumn);
    heading->setAlignment(Qt::AlignCenter);
    drifts->addWidget(heading, 0, col);
    drifts->setColumnMinimumWidth(col, 120);
  }
  drifts->addWidget(label(t::rowX), 1, 0);
  drifts->addWidget(text(2), 1, 1, Qt::AlignHCenter);
  drifts->addWidget(text(4), 1, 2, Qt::AlignHCenter);
  drifts->addWidget(label(t::unit), 1, 3);
  drifts->addWidget(label(t::rowY), 2, 0);
  drifts->addWidget(text(3), 2, 1, Qt::AlignHCenter);
  drifts->addWidget(text(5), 2, 2, Qt::AlignHCenter);
  drifts->addWidget(label(t::unit), 2, 3);
  drifts->setColumnStretch(0, 1);

  QVBoxLayout* commands = story_.commandColumn(
      t::commands, {&Form23::Command1_Click, &Form23::Command2_Click, &Form23::Command3_Click,
                    &Form23::Command4_Click, &Form23::Command5_Click});
  QHBoxLayout* buttons = buttonRow({addApply(t::apply), addOk(t::ok), addCancel(t::cancel)});

  auto* entry = new QVBoxLayout;
  entry->addLayout(story);
  entry->addSpacing(12);
  entry->addLayout(drifts);
  entry->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(besideCommands(entry, commands, 2));
  layout->addSpacing(8);
  layout->addLayout(buttons);
  resize(760, 0);
}

}  // namespace vorn
