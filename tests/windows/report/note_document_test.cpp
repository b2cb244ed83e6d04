#include "windows/report/note_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string_view>

#include "model/number_text.h"
#include "report_buildings.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "windows/report/form27_print.h"
#include "windows/static/run1_static.h"

namespace vorn {
namespace {

// Evaluates the arithmetic a derivation step writes: numbers, + - × /, ^ and brackets, so that the
// test does by hand what a reviewer would.
class Arithmetic {
public:
  explicit Arithmetic(std::string_view text) : s_(text) {}
  double value()
  {
    const double v = sum();
    skip();
    if (at_ != s_.size()) {
      ADD_FAILURE() << "not arithmetic from " << s_.substr(at_);
    }
    return v;
  }

private:
  void skip()
  {
    while (at_ < s_.size() && s_[at_] == ' ') {
      ++at_;
    }
  }
  bool take(std::string_view token)
  {
    skip();
    if (s_.substr(at_, token.size()) == token) {
      at_ += token.size();
      return true;
    }
    return false;
  }
  double sum()
  {
    double v = product();
    for (;;) {
      if (take("+")) {
        v += product();
      } else if (take("-")) {
        v -= product();
      } else {
        return v;
      }
    }
  }
  double product()
  {
    double v = power();
    for (;;) {
      if (take("×")) {
        v *= power();
      } else if (take("/")) {
        v /= power();
      } else {
        return v;
      }
    }
  }
  double power()
  {
    const double base = atom();
    return take("^") ? std::pow(base, atom()) : base;
  }
  double atom()
  {
    if (take("(")) {
      const double v = sum();
      EXPECT_TRUE(take(")"));
      return v;
    }
    skip();
    const NumericPrefix n = numericPrefix(s_.substr(at_));
    EXPECT_GT(n.length, 0u) << "no number at " << s_.substr(at_);
    at_ += n.length;
    return n.value;
  }
  std::string_view s_;
  std::size_t at_ = 0;
};

class NoteDocumentTest : public ::testing::Test {
protected:
  NoteDocumentTest() : s(std::make_unique<Session>(prompter)) {}
  Project& p() { return s->project; }
  const NoteSection* section(const NoteDocument& note, int k)
  {
    for (const NoteSection& sec : note.sections) {
      if (sec.table == k) {
        return &sec;
      }
    }
    return nullptr;
  }
  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s;
};

// Each step's arithmetic, done by hand, gives its result as the run rounds it: periods and B to
// 0.01, C to 0.001, forces to whole kilograms. The three buildings take the empirical and the
// analytical period, the plateau and the falling branch of B, and a top force.
TEST(NoteDerivation, EveryStaticStepWorksOutToTheResultItShows)
{
  std::set<std::string> formulas;
  for (auto describe : {test::describeRegularBuilding, test::describeIrregularBuilding,
                        test::describeTallBuilding}) {
    test::ScriptedPrompter prompter;
    auto s = std::make_unique<Session>(prompter);
    describe(*s);
    test::tickEverything(*s, "unused.txt");
    const NoteDocument note = buildNoteDocument(s->project, {});
    const NoteSection& shears = note.sections.at(4);
    ASSERT_EQ(shears.table, 5);
    ASSERT_EQ(shears.derivation.size(), 2u);
    for (const NoteDerivation& d : shears.derivation) {
      for (const NoteStep& step : d.steps) {
        const double shown = numericValue(step.result);
        // A step without arithmetic is a top force of nothing.
        const double worked = step.substituted.empty() ? 0 : Arithmetic(step.substituted).value();
        const double tolerance = step.quantity == "C"                            ? 0.0005
                                 : step.quantity == "V" || step.quantity == "Ft" ? 0.5
                                                                                 : 0.005;
        EXPECT_NEAR(worked, shown, tolerance + 1e-9)
            << step.quantity << ": " << step.formula << " = " << step.substituted << " = "
            << step.result;
        formulas.insert(step.formula.substr(0, step.formula.find(' ', 4)));
      }
    }
    // The results are the stored ones, as the windows write them.
    const Project& p = s->project;
    EXPECT_EQ(shears.derivation[0].steps.front().result, padded(p.TEx).substr(1) + " s");
    const NoteStep& vy = shears.derivation[1].steps.at(4);
    EXPECT_EQ(vy.quantity, "V");
    EXPECT_EQ(numericValue(vy.result), p.Vy);
  }
  EXPECT_GE(formulas.size(), 7u);
}

TEST_F(NoteDocumentTest, TablesAreTheWindowsCellsWithTheirHeadersAndUnits)
{
  test::describeIrregularBuilding(*s);
  test::tickEverything(*s, "unused.txt");
  const NoteDocument note = buildNoteDocument(p(), {});
  const NoteTable& shears = section(note, 5)->tables.at(0);
  const Grid& g = p().form13.MSFlexGrid1;
  ASSERT_EQ(shears.rows.size(), 5u);
  ASSERT_EQ(shears.columns.size(), static_cast<std::size_t>(g.cols()));
  EXPECT_EQ(shears.columns[4].unit, "kg");
  for (int r = 1; r <= 5; ++r) {
    for (int c = 0; c < g.cols(); ++c) {
      EXPECT_EQ(shears.rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)],
                g.text(r, c));
    }
  }
  // Every table of every section has a full row for each story and a short unique sheet name.
  std::vector<std::string> sheets;
  for (const NoteSection& sec : note.sections) {
    for (const NoteTable& t : sec.tables) {
      for (const auto& row : t.rows) {
        EXPECT_EQ(row.size(), t.columns.size()) << t.title;
      }
      std::size_t characters = 0;
      for (unsigned char c : t.sheet) {
        characters += (c & 0xC0) != 0x80;
      }
      EXPECT_LE(characters, 31u) << t.sheet;
      EXPECT_EQ(std::count(sheets.begin(), sheets.end(), t.sheet), 0) << t.sheet;
      sheets.push_back(t.sheet);
    }
  }
  EXPECT_EQ(sheets.size(), 8u);  // tables 2, 3, 4, 5, 6, 8, 9, 10
  // The drifts are typed in centimetres and held in metres.
  const NoteTable& drifts = section(note, 4)->tables.at(0);
  EXPECT_EQ(drifts.columns.size(), 5u);  // an irregular building has maximum drifts too
  EXPECT_EQ(numericValue(drifts.rows[0][1]), roundHalfEven(p().DRIFTx[1] * 100, 10));
}

TEST_F(NoteDocumentTest, ATickedTableThatIsNotAvailableCarriesTheMessageItsRunStoppedWith)
{
  test::describeRegularBuilding(*s);
  test::tickEverything(*s, "unused.txt");
  // Sixteen stories of an intermediate steel frame: the static run's third check stops it.
  p().N = 16;
  for (int k = 5; k <= 10; ++k) {
    p().form27.Check[k].enabled = false;
  }
  const NoteDocument note = buildNoteDocument(p(), {});
  ASSERT_EQ(note.sections.size(), 10u);
  EXPECT_TRUE(section(note, 1)->stopMessage.empty());
  for (int k : {5, 6, 7, 9, 10}) {
    EXPECT_EQ(section(note, k)->stopMessage, run1_texts::stopMessages[2]) << k;
    EXPECT_TRUE(section(note, k)->tables.empty());
  }
  // The spectrum needs no static run: its table is simply not there yet.
  EXPECT_EQ(section(note, 8)->stopMessage, note_texts::notAvailable);
  // Unticked tables are not in the note at all; with none the report has no table.
  for (int k = 1; k <= 10; ++k) {
    p().form27.Check[k].value = k == 7 ? 1 : 0;
  }
  EXPECT_EQ(buildNoteDocument(p(), {}).sections.size(), 1u);
  EXPECT_FALSE(reportHasTable(p()));
  p().form27.Check[1].value = 1;
  EXPECT_TRUE(reportHasTable(p()));
}

TEST_F(NoteDocumentTest, StaleResultsAreNotWorkedOut)
{
  test::describeIrregularBuilding(*s);
  test::tickEverything(*s, "unused.txt");
  p().DL[1] *= 2;  // the stored results came from the lighter first floor
  const NoteDocument note = buildNoteDocument(p(), {});
  const NoteSection* shears = section(note, 5);
  ASSERT_NE(shears, nullptr);
  EXPECT_TRUE(shears->derivation.empty());
  EXPECT_FALSE(shears->tables.empty());
}

TEST(NoteCellNumber, NumbersAsTheProgramWritesThemAndNothingElse)
{
  double v = 0;
  EXPECT_TRUE(cellNumber(" .35", v));
  EXPECT_EQ(v, 0.35);
  EXPECT_TRUE(cellNumber("-1.5", v));
  EXPECT_EQ(v, -1.5);
  EXPECT_TRUE(cellNumber(" 1E-05", v));
  EXPECT_EQ(v, 1e-5);
  EXPECT_TRUE(cellNumber(" 111600 ", v));
  EXPECT_EQ(v, 111600);
  for (const char* text : {"", " ", "-", ".", "قابل صرفنظر", " 12 kg", "1E+999", "12,5"}) {
    EXPECT_FALSE(cellNumber(text, v)) << text;
  }
}

}  // namespace
}  // namespace vorn
