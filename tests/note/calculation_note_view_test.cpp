// The calculation note read back with poppler's tools, as a reader of the PDF gets it.
#include "note/calculation_note.h"

#include <gtest/gtest.h>
#include <stdio.h>

#include <QPrinter>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "report_buildings.h"
#include "sample_note.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "windows/report/report_composer.h"

namespace vorn {
namespace {

// What a command writes on its standard output.
std::string output(const std::string& command)
{
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return text;
  }
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    text.append(buffer, n);
  }
  pclose(pipe);
  return text;
}

// The text with every run of blanks, line ends and page breaks taken out.
std::string withoutBlanks(const std::string& text)
{
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\n' && c != '\f' && c != '\t') {
      kept += c;
    }
  }
  return kept;
}

std::set<std::string> wordsOf(const std::string& text)
{
  std::istringstream in(text);
  std::set<std::string> words;
  for (std::string w; in >> w;) {
    words.insert(w);
  }
  return words;
}

// pdftotext gives Persian letters in their presentation forms and wraps runs in direction
// marks; NFKC and dropping the marks give the text as the program wrote it.
constexpr const char* kNormalise =
    "import sys, unicodedata\n"
    "t = unicodedata.normalize('NFKC', sys.stdin.read())\n"
    "marks = set(map(chr, [0x200e, 0x200f, *range(0x202a, 0x202f), *range(0x2066, 0x206a)]))\n"
    "sys.stdout.write(''.join(c for c in t if c not in marks))\n";

// A note written to a file and read back.
class NoteFile {
public:
  explicit NoteFile(const NoteDocument& note) : folder_("vorn-note")
  {
    const NotePdf pdf = calculationNotePdf(note);
    error = pdf.error;
    std::ofstream(path(), std::ios::binary) << pdf.bytes;
    std::ofstream(folder_.file("normalise.py")) << kNormalise;
  }
  // The note as a printer of the given resolution prints it into a PDF file.
  NoteFile(const NoteDocument& note, QPrinter::PrinterMode mode) : folder_("vorn-note")
  {
    QPrinter printer(mode);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path()));
    paintCalculationNote(note, printer);
    std::ofstream(folder_.file("normalise.py")) << kNormalise;
  }
  std::string path() const { return folder_.file("note.pdf"); }
  std::string info() const { return output("pdfinfo '" + path() + "'"); }
  // The text of each page, normalised.
  std::vector<std::string> pages() const
  {
    const std::string text =
        output("pdftotext '" + path() + "' - | python3 '" + folder_.file("normalise.py") + "'");
    std::vector<std::string> pages;
    std::istringstream in(text);
    for (std::string page; std::getline(in, page, '\f');) {
      pages.push_back(page);
    }
    if (!pages.empty() && withoutBlanks(pages.back()).empty()) {
      pages.pop_back();  // after the last page break
    }
    return pages;
  }
  int pageCount() const
  {
    const std::string text = info();
    const std::size_t at = text.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(text.substr(at + 6));
  }

  std::string error;

private:
  test::TempFolder folder_;
};

// Each page's words with their boxes, in points, as pdftotext -bbox gives them.
struct Word {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;
};
struct PageBoxes {
  double width = 0;
  double height = 0;
  std::vector<Word> words;
};

double attribute(const std::string& tag, const std::string& name)
{
  const std::size_t at = tag.find(name + "=\"");
  return at == std::string::npos ? std::nan("") : std::stod(tag.substr(at + name.size() + 2));
}

std::vector<PageBoxes> wordBoxes(const NoteFile& file)
{
  const std::string html = output("pdftotext -bbox '" + file.path() + "' -");
  std::vector<PageBoxes> pages;
  std::size_t at = 0;
  while ((at = html.find('<', at)) != std::string::npos) {
    const std::size_t end = html.find('>', at);
    const std::string tag = html.substr(at, end - at);
    if (tag.rfind("<page ", 0) == 0) {
      pages.push_back({attribute(tag, "width"), attribute(tag, "height"), {}});
    } else if (tag.rfind("<word ", 0) == 0 && !pages.empty()) {
      const std::size_t close = html.find("</word>", end);
      pages.back().words.push_back({static_cast<int>(pages.size()), attribute(tag, "xMin"),
                                    attribute(tag, "yMin"), attribute(tag, "xMax"),
                                    attribute(tag, "yMax"), html.substr(end + 1, close - end - 1)});
    }
    at = end;
  }
  return pages;
}

// Every word lies within the page's margins: 18 mm at the sides, 15 mm above and below.
void expectWithinMargins(const NoteFile& file)
{
  constexpr double kMm = 72 / 25.4;
  constexpr double kSlack = 0.5;  // the rounding of the page's size to whole points
  const std::vector<PageBoxes> pages = wordBoxes(file);
  ASSERT_FALSE(pages.empty());
  for (const PageBoxes& page : pages) {
    EXPECT_FALSE(page.words.empty());
    for (const Word& w : page.words) {
      const bool inside = w.xMin >= 18 * kMm - kSlack && w.xMax <= page.width - 18 * kMm + kSlack &&
                          w.yMin >= 15 * kMm - kSlack && w.yMax <= page.height - 15 * kMm + kSlack;
      EXPECT_TRUE(inside) << "page " << w.page << ": \"" << w.text << "\" at " << w.xMin << ", "
                          << w.yMin << " … " << w.xMax << ", " << w.yMax;
    }
  }
}

class CalculationNote : public ::testing::Test {
protected:
  static void SetUpTestSuite() { file = new NoteFile(test::sampleNote(200)); }
  static void TearDownTestSuite()
  {
    delete file;
    file = nullptr;
  }
  static NoteFile* file;
};
NoteFile* CalculationNote::file = nullptr;

TEST_F(CalculationNote, IsAnA4DocumentWithItsFontsEmbeddedAndItsMetadata)
{
  ASSERT_EQ(file->error, "");
  const std::string info = file->info();
  EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)"), std::string::npos) << info;
  EXPECT_NE(info.find("Title:           ساختمان مسکوني شماره 12"), std::string::npos) << info;
  EXPECT_NE(info.find("Creator:         VORN 1.0.0"), std::string::npos) << info;
  // Qt writes no author of its own: the engineer is the document's creator in its XMP.
  EXPECT_NE(output("pdfinfo -meta '" + file->path() + "'").find("<rdf:li>مهندس رضايي</rdf:li>"),
            std::string::npos);

  // Every font embedded; Persian and Latin each in its own Noto family.
  std::istringstream fonts(output("pdffonts '" + file->path() + "'"));
  std::map<std::string, std::string> embedded;  // font → its "emb" column
  std::string line;
  for (int header = 0; header < 2 && std::getline(fonts, line); ++header) {
  }
  while (std::getline(fonts, line)) {
    std::istringstream fields(line);
    std::string name, type1, type2, encoding, emb;
    fields >> name >> type1 >> type2 >> encoding >> emb;
    embedded[name] = emb;
  }
  EXPECT_EQ(embedded.count("NotoSans-Regular"), 1u);
  EXPECT_EQ(embedded.count("NotoSansArabic-Regular"), 1u);
  for (const auto& [name, emb] : embedded) {
    EXPECT_EQ(emb, "yes") << name;
  }
  // The plots are vector graphics and the text is text: the document holds no picture.
  const std::string images = output("pdfimages -list '" + file->path() + "'");
  EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;  // the header only
}

TEST_F(CalculationNote, EveryPageSaysItsNumberAndHowManyThereAre)
{
  const std::vector<std::string> pages = file->pages();
  const int count = file->pageCount();
  ASSERT_EQ(static_cast<int>(pages.size()), count);
  ASSERT_GT(count, 8);  // two tables of 200 rows, two plots
  for (int k = 1; k <= count; ++k) {
    const std::string footer =
        withoutBlanks(std::string(note_texts::pageBefore) + std::to_string(k) + note_texts::pageOf +
                      std::to_string(count));
    EXPECT_NE(withoutBlanks(pages[k - 1]).find(footer), std::string::npos) << "page " << k;
    EXPECT_NE(withoutBlanks(pages[k - 1]).find(withoutBlanks(note_texts::noteTitle)),
              std::string::npos)
        << "page " << k;
  }
  // The title block on the first page only.
  EXPECT_NE(pages[0].find(note_texts::edition), std::string::npos);
  EXPECT_NE(pages[0].find("مهندس رضايي"), std::string::npos);
  EXPECT_EQ(pages[1].find(note_texts::edition), std::string::npos);
}

TEST_F(CalculationNote, TablesKeepEveryFigureAndTheirHeaderRowOnEveryPage)
{
  const std::vector<std::string> pages = file->pages();
  std::multiset<std::string> all;
  for (const std::string& page : pages) {
    const std::set<std::string> words = wordsOf(page);
    all.insert(words.begin(), words.end());
  }
  // The figures as the program wrote them, signs and points in place; each row once, though the
  // stopped section holds the same table.
  for (const char* figure : {"-1.5", "1875000", ".1375", "-50001.5", ".11"}) {
    EXPECT_GE(all.count(figure), 1u) << figure;
  }
  // Within a Persian line pdftotext may join a number to the word after it.
  for (const char* figure : {".35", "123456"}) {
    EXPECT_NE(withoutBlanks(pages[0]).find(figure), std::string::npos) << figure;
  }
  for (int k = 1; k <= 200; ++k) {
    EXPECT_EQ(all.count(std::to_string(70000 + k)), 1u) << k;
    EXPECT_EQ(all.count("-" + std::to_string(50000 + k) + ".5"), 1u) << k;
    EXPECT_EQ(all.count(std::to_string(1011000 + k)), 1u) << k;
  }

  // The header row stands on every page a table reaches.
  int forcesPages = 0;
  int widePages = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::set<std::string> words = wordsOf(pages[p]);
    const std::string flat = withoutBlanks(pages[p]);
    bool forces = false;
    bool wide = false;
    for (int k = 1; k <= 200; ++k) {
      forces = forces || words.count(std::to_string(70000 + k)) > 0;
      wide = wide || words.count(std::to_string(1001000 + k)) > 0;
    }
    if (forces) {
      ++forcesPages;
      for (const char* heading : {"شماره طبقه", "ارتفاع از تراز پايه",
                                  "نيروي جانبي طبقه در جهت افقي", "برش طبقه در جهت افقي"}) {
        EXPECT_NE(flat.find(withoutBlanks(heading)), std::string::npos)
            << "page " << p + 1 << ": " << heading;
      }
    }
    if (wide) {
      ++widePages;
      for (const std::string& ordinal : test::kOrdinals) {
        EXPECT_EQ(words.count(ordinal), 1u) << "page " << p + 1 << ": " << ordinal;
      }
    }
  }
  EXPECT_GE(forcesPages, 4);
  EXPECT_GE(widePages, 5);
}

TEST_F(CalculationNote, AStoppedSectionShowsItsMessageAndThePlotsTheirTexts)
{
  std::string all;
  for (const std::string& page : file->pages()) {
    all += page;
  }
  const std::string flat = withoutBlanks(all);
  for (const char* text : {"ارتفاع سازه از حد مجاز سيستم انتخابي بيشتر است",
                           "نيروهاي جانبي و برش طبقات به روش استاتيكي", "نيرو بر حسب كيلوگرم",
                           "ارتفاع از تراز پايه بر حسب متر", "برش طبقه در جهت افقي",
                           "لنگر پيچشي كل طبقات", "جهت عمودي", "TE = 0.05 × H^0.75", "257812 kg"}) {
    EXPECT_NE(flat.find(withoutBlanks(text)), std::string::npos) << text;
  }
}

TEST_F(CalculationNote, NoWordLeavesThePageMargins)
{
  expectWithinMargins(*file);
}

TEST_F(CalculationNote, APrinterOfScreenResolutionPrintsTheSamePages)
{
  // The print preview paints on a printer; its resolution changes no page.
  const NoteFile printed(test::sampleNote(200), QPrinter::ScreenResolution);
  EXPECT_NE(printed.info().find("Page size:       595 x 842 pts (A4)"), std::string::npos);
  const std::vector<std::string> pages = file->pages();
  const std::vector<std::string> printedPages = printed.pages();
  ASSERT_EQ(printedPages.size(), pages.size());
  for (std::size_t k = 0; k < pages.size(); ++k) {
    EXPECT_EQ(wordsOf(printedPages[k]), wordsOf(pages[k])) << "page " << k + 1;
  }
  expectWithinMargins(printed);
}

TEST(CalculationNoteInput, UnevenRowsEmptyTablesAndUnplottableValuesStillGiveANote)
{
  NoteDocument note;
  NoteSection section;
  section.heading = "اطلاعات ورودي";
  NoteTable uneven;
  uneven.columns = {{"شماره طبقه", ""}, {"برش", "kg"}, {"لنگر", "kg·m"}};
  uneven.rows = {{"1"}, {"2", " .5", "7", "extra"}, {}, {"4", std::string(300, 'W'), "-"}};
  NoteTable headerOnly;
  headerOnly.columns = {{"شماره طبقه", ""}};
  NoteTable noColumns;
  noColumns.rows = {{"1", "2"}};
  // Forty columns: too wide even in the smallest font, so the columns narrow and the cells wrap.
  NoteTable crowded;
  for (int c = 0; c < 40; ++c) {
    crowded.columns.push_back({"ستون " + std::to_string(c), "kg"});
  }
  crowded.rows.assign(3, std::vector<std::string>(40, "-123456.789"));
  section.tables = {uneven, headerOnly, noColumns, crowded};
  Plot odd;
  odd.title = "نمودار";
  odd.series = {{"x", {{std::nan(""), 1}, {2, std::numeric_limits<double>::infinity()}, {3, 3}}},
                {"y", {{-1e12, 0}, {1e12, 1}}}};
  odd.lines = {{"limit", std::nan("")}};
  Plot single;
  single.kind = Plot::Kind::StoryBars;
  single.series = {{"x", {{0, 1}}}};
  section.plots = {odd, single, Plot{}};
  note.sections = {section};

  const NoteFile file(note);
  ASSERT_EQ(file.error, "");
  EXPECT_GE(file.pageCount(), 1);
  expectWithinMargins(file);
  const std::set<std::string> words = wordsOf(file.pages().at(0));
  EXPECT_EQ(words.count(".5"), 1u);
  EXPECT_EQ(words.count("extra"), 0u);  // a cell beyond the columns has no place

  // A note without sections is its title block.
  const NoteFile empty{NoteDocument{}};
  ASSERT_EQ(empty.error, "");
  EXPECT_EQ(empty.pageCount(), 1);
}

// The value a report line gives after its last "=".
std::string valueOf(const std::string& line)
{
  std::istringstream in(line.substr(line.rfind('=') + 1));
  std::string value;
  in >> value;
  return value;
}

// The line as pdftotext may give it: the Persian comma after a number ("41،"), a neutral between
// the number and the next Persian word, comes out in front of the number.
std::string commaBeforeNumber(std::string line)
{
  const std::string comma = "،";
  for (std::size_t at = line.find(comma); at != std::string::npos;
       at = line.find(comma, at + comma.size())) {
    std::size_t start = at;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(line[start - 1]))) {
      --start;
    }
    line = line.substr(0, start) + comma + line.substr(start, at - start) +
           line.substr(at + comma.size());
  }
  return line;
}

TEST(CalculationNoteOfAProject, HoldsTheTextReportsShearsForcesPeriodsAndSafetyFactors)
{
  test::ScriptedPrompter prompter;
  auto s = std::make_unique<Session>(prompter);
  test::describeIrregularBuilding(*s);
  test::tickEverything(*s, "unused.txt");
  const NoteFile file(buildNoteDocument(s->project, {"", "", "", "IRREGULAR.EQ", "2026-12-08"}));
  ASSERT_EQ(file.error, "");
  std::string all;
  for (const std::string& page : file.pages()) {
    all += page + "\n";
  }
  const std::string flat = withoutBlanks(all);
  const std::set<std::string> words = wordsOf(all);

  int lines = 0;
  int forces = 0;
  for (const std::string& line : composeReport(s->project)) {
    const std::string bare = withoutBlanks(line);
    // The base shears, the periods and the safety factors against overturning: whole lines.
    const bool valued = bare.find('=') != std::string::npos;
    if (valued &&
        (bare.find("برشپايه") != std::string::npos || bare.find("پريود") != std::string::npos ||
         bare.find("ضريباطمينان") != std::string::npos)) {
      ++lines;
      EXPECT_TRUE(flat.find(bare) != std::string::npos ||
                  flat.find(commaBeforeNumber(bare)) != std::string::npos)
          << line;
    }
    // The story forces, weights and diaphragm forces: cells of the static run's table.
    for (const char* label :
         {report_texts::weightBefore, report_texts::forceXBefore, report_texts::forceYBefore,
          report_texts::diaphragmXBefore, report_texts::diaphragmYBefore}) {
      if (line.find(label) != std::string::npos) {
        ++forces;
        EXPECT_EQ(words.count(valueOf(line)), 1u) << line;
      }
    }
  }
  EXPECT_EQ(lines, 4 + 2 + 2);  // two periods and a base shear a direction, two safety factors
  EXPECT_EQ(forces, 5 * 5);
  expectWithinMargins(file);
}

}  // namespace
}  // namespace vorn
