#include "toolkit/number_label_view.h"

#include <QLabel>

namespace vorn {

QString withIsolatedNumber(const std::string& caption)
{
  const QString text = QString::fromStdString(caption);
  qsizetype end = text.size();
  while (end > 0) {
    const QChar::Direction d = text.at(end - 1).direction();
    if (d == QChar::DirR || d == QChar::DirAL) {
      break;
    }
    --end;
  }
  // The blanks and the equals sign between the words and the number stay with the words.
  while (end < text.size() && (text.at(end).isSpace() || text.at(end) == u'=')) {
    ++end;
  }
  if (end == text.size()) {
    return text;
  }
  constexpr char16_t leftToRightIsolate = 0x2066;
  constexpr char16_t popDirectionalIsolate = 0x2069;
  return text.left(end) + QChar(leftToRightIsolate) + text.mid(end) + QChar(popDirectionalIsolate);
}

void drawNumberLabel(QLabel* label, const Label& state)
{
  label->setText(withIsolatedNumber(state.caption));
  label->setVisible(state.visible);
}

}  // namespace vorn
