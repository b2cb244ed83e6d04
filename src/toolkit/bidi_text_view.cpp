#include "toolkit/bidi_text_view.h"

#include <QStringView>

namespace vorn {

namespace {

constexpr char16_t kLeftToRightIsolate = 0x2066;
constexpr char16_t kPopDirectionalIsolate = 0x2069;

bool isDigit(QChar c)
{
  return c >= u'0' && c <= u'9';
}

bool isLatinLetter(QChar c)
{
  return c.isLetter() && c.script() == QChar::Script_Latin;
}

// A letter or digit: what a run must hold.
bool isWord(QChar c)
{
  return isDigit(c) || isLatinLetter(c);
}

bool isRightToLeftLetter(QChar c)
{
  return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
}

// What a run may hold: the printable ASCII characters, the blank among them, and Latin letters.
bool mayBeInRun(QChar c)
{
  return (c.unicode() >= 0x20 && c.unicode() < 0x7F) || isLatinLetter(c);
}

QChar at(const QString& text, qsizetype k)
{
  return k < text.size() ? text.at(k) : QChar();
}

// Whether a run may open at k: on a letter or digit, a sign before a number, a point before its
// digits, a bracket or a slash before a letter or digit.
bool opensRun(const QString& text, qsizetype k)
{
  const QChar c = text.at(k);
  const QChar next = at(text, k + 1);
  if (isWord(c)) {
    return true;
  }
  if (c == u'+' || c == u'-' || c == u'<' || c == u'>') {
    return isDigit(next) || ((next == u'.' || next == u',') && isDigit(at(text, k + 2)));
  }
  if (c == u'.' || c == u',') {
    return isDigit(next);
  }
  if (c == u'(' || c == u'[' || c == u'/') {
    return isWord(next);
  }
  return false;
}

QChar opening(QChar closing)
{
  return closing == u')' ? QChar(u'(') : QChar(u'[');
}

// Whether the run [start, k] may close at k: on a letter or digit, on a bracket that closes one
// opened in the run, on a per cent sign after a digit.
bool closesRun(const QString& text, qsizetype start, qsizetype k)
{
  const QChar c = text.at(k);
  if (isWord(c)) {
    return true;
  }
  if (c == u'%') {
    return k > start && isDigit(text.at(k - 1));
  }
  if (c == u')' || c == u']') {
    int depth = 0;
    for (qsizetype i = start; i <= k; ++i) {
      if (text.at(i) == opening(c)) {
        ++depth;
      } else if (text.at(i) == c && --depth < 0) {
        return false;
      }
    }
    return depth == 0;
  }
  return false;
}

// A path in double quotes that starts at k: the end of the closing quote (or of the line when the
// quote is not closed on it), or -1.
qsizetype quotedPathEnd(const QString& text, qsizetype k)
{
  if (text.at(k) != u'"' || at(text, k + 1) != u'/') {
    return -1;
  }
  qsizetype end = k + 1;
  while (end < text.size() && text.at(end) != u'"' && text.at(end) != u'\n') {
    ++end;
  }
  return end < text.size() && text.at(end) == u'"' ? end + 1 : end;
}

// Reads in order as it is, in either direction: no right-to-left letter, a Latin letter first and
// a letter or digit last.
bool readsInOrderAsItIs(const QString& text)
{
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty() || !isLatinLetter(trimmed.front()) || !isWord(trimmed.back())) {
    return false;
  }
  for (const QChar c : text) {
    if (isRightToLeftLetter(c) || c == u'\n') {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<TextRun> leftToRightRuns(const QString& text)
{
  std::vector<TextRun> runs;
  if (readsInOrderAsItIs(text)) {
    return runs;
  }
  qsizetype k = 0;
  while (k < text.size()) {
    if (const qsizetype end = quotedPathEnd(text, k); end > 0) {
      runs.push_back({k, end});
      k = end;
      continue;
    }
    if (!mayBeInRun(text.at(k)) || !opensRun(text, k)) {
      ++k;
      continue;
    }
    qsizetype end = k;
    while (end < text.size() && mayBeInRun(text.at(end)) && quotedPathEnd(text, end) < 0) {
      ++end;
    }
    while (end > k && !closesRun(text, k, end - 1)) {
      --end;
    }
    bool holdsWord = false;
    for (qsizetype i = k; i < end && !holdsWord; ++i) {
      holdsWord = isWord(text.at(i));
    }
    if (!holdsWord) {
      ++k;
      continue;
    }
    runs.push_back({k, end});
    k = end;
  }
  return runs;
}

BidiPositions bidiPositions(const QString& text)
{
  const std::vector<TextRun> runs = leftToRightRuns(text);
  BidiPositions p;
  p.display.reserve(text.size() + 2 * static_cast<qsizetype>(runs.size()));
  p.shown.reserve(static_cast<std::size_t>(text.size()) + 1);
  p.stored.reserve(p.shown.capacity() + 2 * runs.size());
  auto next = runs.begin();
  for (qsizetype k = 0; k <= text.size(); ++k) {
    if (next != runs.end() && next->end == k) {
      p.stored.push_back(k);
      p.display += QChar(kPopDirectionalIsolate);
      ++next;
    }
    if (next != runs.end() && next->start == k) {
      p.stored.push_back(k);
      p.display += QChar(kLeftToRightIsolate);
    }
    p.shown.push_back(p.display.size());
    p.stored.push_back(k);
    if (k < text.size()) {
      p.display += text.at(k);
    }
  }
  return p;
}

QString bidiDisplayText(const QString& text)
{
  const std::vector<TextRun> runs = leftToRightRuns(text);
  if (runs.empty()) {
    return text;
  }
  QString shown;
  shown.reserve(text.size() + 2 * static_cast<qsizetype>(runs.size()));
  qsizetype k = 0;
  for (const TextRun& run : runs) {
    shown += QStringView(text).mid(k, run.start - k);
    shown += QChar(kLeftToRightIsolate);
    shown += QStringView(text).mid(run.start, run.end - run.start);
    shown += QChar(kPopDirectionalIsolate);
    k = run.end;
  }
  shown += QStringView(text).mid(k);
  return shown;
}

QString bidiDisplayText(const std::string& text)
{
  return bidiDisplayText(QString::fromStdString(text));
}

QString BidiItemDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
  return bidiDisplayText(QStyledItemDelegate::displayText(value, locale));
}

}  // namespace vorn
