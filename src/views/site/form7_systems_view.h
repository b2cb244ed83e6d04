#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "codetables/system_table.h"
#include "toolkit/dialog_view.h"
#include "windows/site/form7_systems.h"

namespace vorn {

// The resisting-system dialog: the 23 systems in their four groups, each with its R and its
// height limit, OK and CANCEL.
class Form7View : public DialogView<Form7, Form7Controls> {
public:
  explicit Form7View(ViewApplication& app);

  QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
  QLabel* rLabel(int index) const { return rLabels_.at(static_cast<std::size_t>(index)); }
  QLabel* heightLabel(int index) const { return heightLabels_.at(static_cast<std::size_t>(index)); }
  QGroupBox* group(int index) const { return groups_.at(static_cast<std::size_t>(index)); }

protected:
  void drawControls() override;

private:
  std::array<QRadioButton*, kSystemCount> options_{};
  std::array<QLabel*, kSystemCount> rLabels_{};
  std::array<QLabel*, kSystemCount> heightLabels_{};
  std::array<QGroupBox*, 4> groups_{};
};

}  // namespace vorn
