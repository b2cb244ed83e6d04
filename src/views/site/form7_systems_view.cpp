#include "views/site/form7_systems_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "windows/site/form7_systems.h"

namespace vorn {

namespace {

constexpr int kRWidth = 56;
constexpr int kHeightWidth = 150;

// The groups scroll where the screen is too small for them; where it has room the window opens
// showing them whole.
class WholePage : public QScrollArea {
public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override
  {
    if (widget() == nullptr) {
      return QScrollArea::sizeHint();
    }
    const int frame = 2 * frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return widget()->sizeHint() + QSize(frame + bar, frame);
  }
};

QLabel* cell(const char* text, int width, QWidget* parent)
{
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setFixedWidth(width);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

Form7View::Form7View(ViewApplication& app)
    : DialogView(app, WindowId::Form7, form7_texts::captionX, app.session().form7, &Project::form7)
{
  Form7& logic = app.session().form7;

  // Two columns of groups (the first column on the right), each under the height heading.
  auto* scroll = new WholePage(this);
  scroll->setObjectName("Systems");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* systems = new QWidget(scroll);
  std::array<QVBoxLayout*, 2> columns{new QVBoxLayout, new QVBoxLayout};
  for (QVBoxLayout* column : columns) {
    auto* heading = new QHBoxLayout;
    heading->addStretch();
    auto* title = cell(form7_texts::heightHeading, kHeightWidth, systems);
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    heading->addWidget(title);
    column->addLayout(heading);
  }

  std::array<QGridLayout*, 4> grids{};
  for (int g = 0; g < 4; ++g) {
    auto* box = new QGroupBox(
        QString::fromUtf8(form7_texts::groups.at(static_cast<std::size_t>(g))), systems);
    box->setObjectName(QString("Group%1").arg(g + 1));
    grids.at(static_cast<std::size_t>(g)) = new QGridLayout(box);
    grids.at(static_cast<std::size_t>(g))->setColumnStretch(0, 1);
    groups_.at(static_cast<std::size_t>(g)) = box;
    columns.at(g < 2 ? 0 : 1)->addWidget(box);
  }
  for (QVBoxLayout* column : columns) {
    column->addStretch();
  }

  for (const ResistingSystem& system : resistingSystems()) {
    const int k = system.code - 1;
    const auto at = static_cast<std::size_t>(k);
    QWidget* box = groups_.at(static_cast<std::size_t>(system.group));
    auto* option = new QRadioButton(QString::fromUtf8(system.caption), box);
    option->setObjectName(QString("Option1_%1").arg(k));
    option->setAutoExclusive(false);
    connect(option, &QRadioButton::clicked, this,
            [this, &logic, k] { forward([&logic, k] { logic.Option1_Click(k); }); });
    auto* r = cell(system.rLabel, kRWidth, box);
    r->setObjectName(QString("Label2_%1").arg(k));
    r->setLayoutDirection(Qt::LeftToRight);
    auto* height = cell(system.shownHeightLimit, kHeightWidth, box);
    height->setObjectName(QString("Label3_%1").arg(k));
    QGridLayout* grid = grids.at(static_cast<std::size_t>(system.group));
    const int row = grid->rowCount();
    grid->addWidget(option, row, 0);
    grid->addWidget(r, row, 1);
    grid->addWidget(height, row, 2);
    options_.at(at) = option;
    rLabels_.at(at) = r;
    heightLabels_.at(at) = height;
  }

  auto* page = new QHBoxLayout(systems);
  page->setContentsMargins(0, 0, 0, 0);
  page->addLayout(columns[0], 1);
  page->addLayout(columns[1], 1);
  scroll->setWidget(systems);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addLayout(buttonRow({addOk(form7_texts::ok), addCancel(form7_texts::cancel)}));
  resize(sizeHint());
}

void Form7View::drawControls()
{
  const Form7Controls& f = controls();
  for (int k = 0; k < kSystemCount; ++k) {
    drawOption(option(k), f.Option1[k]);
  }
}

}  // namespace vorn
