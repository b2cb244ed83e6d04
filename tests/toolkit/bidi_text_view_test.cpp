#include "toolkit/bidi_text_view.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGlyphRun>
#include <QLabel>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "scripted_prompter.h"
#include "toolkit/application_view.h"
#include "toolkit/bidi_document_layout_view.h"
#include "toolkit/grid_view.h"
#include "toolkit/message_box_prompter_view.h"
#include "toolkit/window_view.h"
#include "views/main/all_windows_view.h"
#include "views/report/form28_output_view.h"
#include "views/report/report_printing_view.h"
#include "windows/report/report_composer.h"
#include "windows/report/report_file.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/static/form21_recommendations.h"
#include "windows/static/run1_static.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {
namespace {

// A display text with its isolates written { and }, which none of the texts below hold.
std::string marked(const QString& display)
{
  QString text = display;
  text.replace(QChar(0x2066), u'{').replace(QChar(0x2069), u'}');
  return text.toStdString();
}

std::string str(const char* a, const std::string& b, const char* c = "")
{
  return a + b + c;
}

struct Case {
  std::string stored;
  std::string shown;  // with {} for the isolates
};

// Texts the windows, the report and the messages show, and how they are drawn.
std::vector<Case> programTexts()
{
  namespace t = report_texts;
  const std::string eccentricity = form18_texts::headers[1];
  return {
      // a sign and a point stay in front of the digits; the equals sign stays with the words
      {eccentricity + "=" + padded(-1.0), eccentricity + "={-1}"},
      {eccentricity + "=" + padded(-0.5), eccentricity + "={-.5}"},
      {str(form18_texts::safetyX, padded(0.89)), str(form18_texts::safetyX, " {.89}")},
      {str(form18_texts::safetyX, " 7.14>1.75 , ok"),
       str(form18_texts::safetyX, " {7.14>1.75 , ok}")},
      {form18_texts::safe, "{>1.75 , ok}"},
      // Latin runs with their numbers, brackets and blanks
      {str(t::aLabel, padded(0.25), t::aUnit), str("{A= .25}", "", t::aUnit)},
      {str(t::soilLabel, form3_texts::options[2]),
       str(t::soilLabel, "زمين نوع{3(TS=0.7,T0=0.15)}")},
      {form5_texts::options[1], "ساز ه با درحه اهميت متوسط{(I=1)}"},
      {str("قاب خمشي فولادي متوسط", t::systemX) + t::rLabel + padded(7.0),
       str("قاب خمشي فولادي متوسط", t::systemX) + "  {R= 7}"},
      {str(run1_texts::cx, coefficientText(0.115), run1_texts::cxMeaning),
       str("{Cx=,115}", "", run1_texts::cxMeaning)},
      {run1_texts::xFloor, "{Bx/Rx<.1} پس {Bx/Rx=0.1}"},
      // a period below one second keeps its Persian comma on the Persian side
      {str(run1_texts::designX, periodText(0.41)), str(run1_texts::designX, "{41}، ثانيه")},
      {str(run1_texts::designX, periodText(1.25)), str(run1_texts::designX, " {1.25}ثانيه")},
      // numbers among Persian words, punctuation after them on the Persian side
      {form21_texts::siteSpectrumIfDeepSoil,
       "براي اين سازه در صورتي كه بر روي لايه خاك نوع {2}-ب و يا {3}-ب با ضخامت خا ك بيش از {60} "
       "متر قرار گرفته باشد:"},
      {"تغيير مكان نسبي طبقات  از 0/005 ارتفاع طبقه  تجاوز نكند",
       "تغيير مكان نسبي طبقات  از {0/005} ارتفاع طبقه  تجاوز نكند"},
      {"برش افقي طبقه شماره  1برحسب کيلوگرم= 9288",
       "برش افقي طبقه شماره  {1}برحسب کيلوگرم= {9288}"},
      // a number row of the report's tables, a grid's number
      {"   .0307      .0358      4", "   {.0307      .0358      4}"},
      {"-45000", "{-45000}"},
      // a quoted path reads left to right whole, Persian folder names and all
      {str(report_file_texts::notWrittenBefore, "\"/tmp/گزارش/r 1.txt\"",
           report_file_texts::notWrittenAfter) +
           "Permission denied",
       str(report_file_texts::notWrittenBefore, "{\"/tmp/گزارش/r 1.txt\"}",
           report_file_texts::notWrittenAfter) +
           "{Permission denied}"},
      // left as they are: Persian alone, punctuation before Persian, Latin that reads in order
      {".مانند پالايشگاهها-انبارهاي سوخت", ".مانند پالايشگاهها-انبارهاي سوخت"},
      {"A=0.25", "A=0.25"},
      {"Version 1.0.0", "Version 1.0.0"},
      {"", ""},
  };
}

TEST(BidiText, IsolatesTheNumbersAndLatinRunsOfTheProgramsTexts)
{
  for (const Case& c : programTexts()) {
    const QString stored = QString::fromStdString(c.stored);
    EXPECT_EQ(marked(bidiDisplayText(stored)), c.shown) << c.stored;
    // the positions lead to the same characters both ways
    const BidiPositions p = bidiPositions(stored);
    EXPECT_EQ(p.display, bidiDisplayText(stored));
    ASSERT_EQ(p.shown.size(), static_cast<std::size_t>(stored.size()) + 1);
    ASSERT_EQ(p.stored.size(), static_cast<std::size_t>(p.display.size()) + 1);
    for (qsizetype k = 0; k <= stored.size(); ++k) {
      const qsizetype d = p.shown[static_cast<std::size_t>(k)];
      EXPECT_EQ(p.stored[static_cast<std::size_t>(d)], k) << c.stored << " at " << k;
      if (k < stored.size()) {
        EXPECT_EQ(p.display.at(d), stored.at(k)) << c.stored << " at " << k;
      }
    }
  }
}

// The characters of a laid-out paragraph from left to right on the screen, marks left out.
QString leftToRight(const QTextLayout& layout)
{
  const QString text = layout.text();
  std::vector<std::pair<qreal, qsizetype>> placed;
  for (qsizetype k = 0; k < text.size(); ++k) {
    if (text.at(k).category() != QChar::Other_Format) {
      const QList<QGlyphRun> runs = layout.glyphRuns(static_cast<int>(k), 1);
      placed.emplace_back(runs.isEmpty() ? 0 : runs.front().boundingRect().center().x(), k);
    }
  }
  std::stable_sort(placed.begin(), placed.end());
  QString shown;
  for (const auto& p : placed) {
    shown += text.at(p.second);
  }
  return shown;
}

// A text as a right-to-left label or list line lays it out.
QString drawnRightToLeft(const QString& text, const QFont& font)
{
  QTextLayout layout(text, font);
  QTextOption option;
  option.setTextDirection(Qt::RightToLeft);
  layout.setTextOption(option);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  return leftToRight(layout);
}

// On the screen, from left to right: what each text must show whole, in the order it is written.
struct Drawn {
  std::string stored;
  std::string whole;
};

const std::vector<Drawn>& drawnTexts()
{
  static const std::vector<Drawn> texts = {
      {std::string(form18_texts::headers[1]) + "=-.5", "-.5="},
      {std::string(form18_texts::safetyX) + " 7.14>1.75 , ok", "7.14>1.75 , ok ="},
      {std::string(report_texts::aLabel) + padded(0.25) + report_texts::aUnit, "A= .25"},
      {std::string(report_texts::soilLabel) + form3_texts::options[2], "3(TS=0.7,T0=0.15)"},
      {std::string(report_file_texts::notWrittenBefore) + "\"/tmp/r.txt\" ?", "\"/tmp/r.txt\""},
  };
  return texts;
}

TEST(BidiText, LabelsAndListLinesAreDrawnInTheOrderWritten)
{
  QLabel label;
  label.setLayoutDirection(Qt::RightToLeft);
  ListView list;
  ListBox lines;
  for (const Drawn& d : drawnTexts()) {
    lines.addItem(d.stored);
  }
  list.draw(lines);
  const auto* delegate = static_cast<const QStyledItemDelegate*>(list.itemDelegate());
  for (std::size_t k = 0; k < drawnTexts().size(); ++k) {
    const Drawn& d = drawnTexts()[k];
    const QString whole = QString::fromStdString(d.whole);
    WindowView::drawLabel(&label, {d.stored, true});
    EXPECT_TRUE(drawnRightToLeft(label.text(), label.font()).contains(whole)) << d.stored;
    // the list keeps the stored line and draws its display text
    const QListWidgetItem* item = list.item(static_cast<int>(k));
    EXPECT_EQ(item->text().toStdString(), d.stored);
    const QString drawn = delegate->displayText(item->text(), QLocale());
    EXPECT_TRUE(drawnRightToLeft(drawn, list.font()).contains(whole)) << d.stored;
  }
  // without the marks Qt draws the sign after the digits
  EXPECT_FALSE(drawnRightToLeft(QString::fromStdString(drawnTexts()[0].stored), list.font())
                   .contains(QString::fromStdString(drawnTexts()[0].whole)));
}

class ReportWindow : public ::testing::Test {
protected:
  ReportWindow() { createAllWindows(app); }

  std::string report() const
  {
    std::string text;
    for (const Drawn& d : drawnTexts()) {
      text += "                  " + d.stored + "\n";
    }
    return text + "   .0307      .0358      4\n";
  }

  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
};

TEST_F(ReportWindow, DrawsEachLineInTheOrderWrittenAndCopiesTheStoredText)
{
  app.project().form28.RichTextBox1 = report();
  app.project().window(WindowId::Form28).visible = true;
  app.refresh();
  auto& window = *static_cast<Form28View*>(app.view(WindowId::Form28));
  QTextEdit* box = window.textBox();
  EXPECT_EQ(box->toPlainText().toStdString(), report());
  const auto* layout = dynamic_cast<const BidiDocumentLayout*>(box->document()->documentLayout());
  ASSERT_NE(layout, nullptr);
  for (std::size_t k = 0; k < drawnTexts().size(); ++k) {
    const QTextLayout* line = layout->paragraphLayout(static_cast<int>(k));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(leftToRight(*line).contains(QString::fromStdString(drawnTexts()[k].whole)))
        << drawnTexts()[k].stored;
  }
  // Persian lines end on the right, the number row too; a click finds the character under it
  const QRectF persian = layout->blockBoundingRect(box->document()->findBlockByNumber(0));
  const QTextLayout* numbers = layout->paragraphLayout(static_cast<int>(drawnTexts().size()));
  EXPECT_EQ(
      box->document()->findBlockByNumber(static_cast<int>(drawnTexts().size())).textDirection(),
      Qt::LeftToRight);
  const QList<QGlyphRun> four = numbers->glyphRuns(numbers->text().indexOf(u'4'), 1);
  ASSERT_FALSE(four.isEmpty());
  const QRectF glyph = four.front().boundingRect().translated(numbers->position());
  EXPECT_GT(glyph.right(), persian.right() - 20);
  const int hit = layout->hitTest(glyph.center(), Qt::FuzzyHit);
  EXPECT_EQ(box->document()->characterAt(hit), u'4');

  if (const char* dir = std::getenv("VORN_SCREENSHOT_DIR")) {
    window.grab().save(QString::fromUtf8(dir) + "/form28-mixed.png");
  }
  // Ctrl+A, Ctrl+C: the clipboard holds the report as it is stored, without a mark
  QApplication::clipboard()->clear();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), report());
}

TEST_F(ReportWindow, PrintedPagesBreakBetweenLines)
{
  QPrinter printer(QPrinter::HighResolution);
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&printer);
  std::string text;
  for (int k = 0; k < 40; ++k) {
    text += report();
  }
  layoutReportDocument(document, QString::fromStdString(text), reportPrinterFont("LOTUS", 10));
  const qreal page = printer.pageRect(QPrinter::DevicePixel).height();
  document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
  const auto* layout = dynamic_cast<const BidiDocumentLayout*>(document.documentLayout());
  ASSERT_NE(layout, nullptr);
  EXPECT_GT(document.pageCount(), 2);
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
    const QTextLayout* paragraph = layout->paragraphLayout(b.blockNumber());
    const QTextLine line = paragraph->lineAt(0);
    const qreal top = paragraph->position().y() + line.y();
    EXPECT_EQ(std::floor(top / page), std::floor((top + line.height() - 1) / page))
        << "line " << b.blockNumber() << " crosses a page";
  }
  EXPECT_TRUE(leftToRight(*layout->paragraphLayout(1)).contains("7.14>1.75 , ok ="));
}

TEST(MessageBox, DrawsAPathLeftToRightAndCopiesTheTextAsWritten)
{
  const std::string text = std::string(report_file_texts::notWrittenBefore) + "\"/tmp/a b.txt\"" +
                           report_file_texts::notWrittenAfter + "Permission denied";
  MessageBox box(QMessageBox::Warning, "", text, QMessageBox::Ok, nullptr);
  EXPECT_EQ(box.windowTitle(), "VORN");
  EXPECT_EQ(box.text(), bidiDisplayText(text));
  EXPECT_FALSE(box.textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_TRUE(drawnRightToLeft(box.text(), box.font()).contains("\"/tmp/a b.txt\""));
  QApplication::clipboard()->clear();
  box.show();
  QTest::keyClick(box.buttons().front(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), text);
}

}  // namespace
}  // namespace vorn
