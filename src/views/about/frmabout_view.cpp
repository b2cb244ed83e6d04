#include "views/about/frmabout_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "windows/about/frmabout.h"

namespace vorn {

FrmAboutView::FrmAboutView(ViewApplication& app)
    : WindowView(app, WindowId::frmAbout, frmabout_texts::captionPrefix)
{
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  resize(360, 220);
}

void FrmAboutView::build()
{
  delete content_;
  content_ = new QWidget(this);
  content_->setObjectName("frmAboutContent");
  auto* layout = new QVBoxLayout(content_);

  auto label = [this](const char* name) {
    auto* l = new QLabel(content_);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    return l;
  };
  lblTitle_ = label("lblTitle");
  QFont big = lblTitle_->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  lblTitle_->setFont(big);
  lblVersion_ = label("lblVersion");
  lblDescription_ = label("lblDescription");
  auto* line1 = new QFrame(content_);
  line1->setObjectName("Line1");
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);
  label1_ = label("Label1");
  lblDisclaimer_ = label("lblDisclaimer");

  FrmAbout& logic = app().session().frmAbout;
  cmdOK_ = new QPushButton(QString::fromUtf8(frmabout_texts::cmdOK), content_);
  cmdOK_->setObjectName("cmdOK");
  keepRoomForText(cmdOK_, 100);
  connect(cmdOK_, &QPushButton::clicked, this,
          [this, &logic] { forward([&logic] { logic.cmdOK_Click(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  buttons->addStretch();

  layout->addWidget(lblTitle_);
  layout->addWidget(lblVersion_);
  layout->addWidget(lblDescription_);
  layout->addWidget(line1);
  layout->addWidget(label1_);
  layout->addWidget(lblDisclaimer_);
  layout->addStretch();
  layout->addLayout(buttons);
  this->layout()->addWidget(content_);
}

void FrmAboutView::drawControls()
{
  const FrmAbout& logic = app().session().frmAbout;
  if (!logic.loaded()) {
    return;
  }
  if (builtForLoad_ != logic.loadCount()) {
    build();
    builtForLoad_ = logic.loadCount();
  }
  const FrmAboutControls& c = logic.controls();
  drawLabel(lblTitle_, c.lblTitle);
  drawLabel(lblVersion_, c.lblVersion);
  drawLabel(lblDescription_, c.lblDescription);
  drawLabel(label1_, c.Label1);
  drawLabel(lblDisclaimer_, c.lblDisclaimer);
  drawButton(cmdOK_, c.cmdOK);
}

bool FrmAboutView::frameCloseRequested()
{
  app().session().frmAbout.Form_QueryUnload();
  return true;
}

}  // namespace vorn
