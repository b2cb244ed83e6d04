#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "toolkit/dialog_view.h"
#include "windows/site/form2_site.h"

namespace vorn {

// The site dialog: the two ways of fixing A, the province, city and direct-value lists, the
// label with A, OK and CANCEL.
class Form2View : public DialogView<Form2, Form2Controls> {
public:
  explicit Form2View(ViewApplication& app);

  QRadioButton* option1() const { return option1_; }
  QRadioButton* option2() const { return option2_; }
  QComboBox* combo1() const { return combo1_; }
  QComboBox* combo2() const { return combo2_; }
  QComboBox* combo3() const { return combo3_; }
  QLabel* label2() const { return label2_; }

protected:
  void drawControls() override;

private:
  QRadioButton* option1_ = nullptr;
  QRadioButton* option2_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QComboBox* combo3_ = nullptr;
  QLabel* label2_ = nullptr;
};

}  // namespace vorn
