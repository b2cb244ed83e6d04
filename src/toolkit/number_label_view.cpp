#include "toolkit/number_label_view.h"

#include <QLabel>

#include "toolkit/bidi_text_view.h"

namespace vorn {

QString withIsolatedNumber(const std::string& caption)
{
  return bidiDisplayText(caption);
}

void drawNumberLabel(QLabel* label, const Label& state)
{
  label->setText(withIsolatedNumber(state.caption));
  label->setVisible(state.visible);
}

}  // namespace vorn
