#include "toolkit/help_window_view.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <utility>

namespace vorn {

HelpWindowView::HelpWindowView(ViewApplication& app, WindowId id, const char* caption,
                               std::span<const HelpSection> sections, const char* buttonName,
                               const char* buttonCaption, std::function<void()> close)
    : WindowView(app, id, caption), close_(std::move(close))
{
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(6);
  grid->setColumnStretch(1, 1);
  int row = 0;
  for (const HelpSection& section : sections) {
    if (row > 0) {
      auto* line = new QFrame(this);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      grid->addWidget(line, row++, 0, 1, 2);
    }
    auto* heading = new QLabel(QString::fromUtf8(section.heading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setWordWrap(true);
    heading->setMinimumWidth(160);
    heading->setAlignment(Qt::AlignTop | Qt::AlignRight);
    texts_.push_back(heading);
    const int items = static_cast<int>(section.items.size());
    grid->addWidget(heading, row, 0, items, 1);
    for (const char* item : section.items) {
      auto* text = new QLabel(QString::fromUtf8(item), this);
      text->setWordWrap(true);
      text->setAlignment(Qt::AlignTop | Qt::AlignRight);
      text->setMinimumWidth(480);
      texts_.push_back(text);
      grid->addWidget(text, row++, 1);
    }
  }

  button_ = new QPushButton(QString::fromUtf8(buttonCaption), this);
  button_->setObjectName(buttonName);
  connect(button_, &QPushButton::clicked, this, [this] { forward(close_); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button_);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(buttons);
  // A fixed width, and the height that the wrapped texts need at that width, so that no line is
  // cut off.
  constexpr int kWidth = 760;
  setFixedWidth(kWidth);
  setMinimumHeight(layout->totalHeightForWidth(kWidth));
  resize(kWidth, minimumHeight());
}

bool HelpWindowView::frameCloseRequested()
{
  close_();
  return true;
}

}  // namespace vorn
