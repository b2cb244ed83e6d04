#pragma once

#include <QLabel>
#include <QPushButton>

#include "toolkit/window_view.h"

namespace vorn {

// The About box: title, version, a separator line and OK. Its controls are built anew each time
// the box is loaded, as the box itself is unloaded when it closes.
class FrmAboutView : public WindowView {
public:
  explicit FrmAboutView(ViewApplication& app);

  QWidget* content() const { return content_; }
  QLabel* titleLabel() const { return lblTitle_; }
  QLabel* versionLabel() const { return lblVersion_; }
  QPushButton* okButton() const { return cmdOK_; }

protected:
  void drawControls() override;
  bool frameCloseRequested() override;

private:
  void build();

  QWidget* content_ = nullptr;
  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* lblDescription_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* lblDisclaimer_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  int builtForLoad_ = 0;
};

}  // namespace vorn
