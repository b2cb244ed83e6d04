// The workbook of a whole project, every table ticked: each table of the note has its sheet, and
// the static run's shears and story forces are the numbers the results window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "model/number_text.h"
#include "report_buildings.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "workbook/workbook.h"
#include "workbook_dump.h"

namespace vorn {
namespace {

TEST(WorkbookOfAProject, HoldsTheStaticRunsForcesAsTheWindowsNumbers)
{
  test::TempFolder temp("vorn-workbook-project");
  test::ScriptedPrompter prompter;
  auto s = std::make_unique<Session>(prompter);
  test::describeIrregularBuilding(*s);
  test::tickEverything(*s, temp.file("report.txt"));
  const NoteDocument note = buildNoteDocument(s->project, {});
  const std::string path = temp.file("irregular.xlsx");
  ASSERT_EQ(writeWorkbook(note, path), std::nullopt);
  const auto sheets = test::readWorkbook(path);

  // The inputs, then one sheet per table, by the names the note gives them.
  std::vector<std::string> expected = {note_texts::inputsSheet};
  for (const NoteSection& section : note.sections) {
    for (const NoteTable& table : section.tables) {
      expected.push_back(table.sheet);
    }
  }
  ASSERT_GE(expected.size(), 8u);
  std::vector<std::string> names;
  for (const auto& sheet : sheets) {
    names.push_back(sheet.name);
    EXPECT_TRUE(sheet.rightToLeft) << sheet.name;
  }
  ASSERT_EQ(names, expected);

  const auto shears = std::find_if(sheets.begin(), sheets.end(), [](const auto& sheet) {
    return sheet.name == note_texts::staticSheet;
  });
  ASSERT_NE(shears, sheets.end());
  EXPECT_EQ(shears->freeze, "B3");  // under the title and the header, beside the story number
  const Grid& g = s->project.form13.MSFlexGrid1;
  ASSERT_EQ(g.rows(), 6);  // the header and five stories
  int forces = 0;
  for (int r = 1; r < g.rows(); ++r) {
    for (int c = 0; c < g.cols(); ++c) {
      const std::string ref = std::string(1, static_cast<char>('A' + c)) + std::to_string(r + 2);
      const test::DumpedCell& cell = shears->at(ref);
      const std::string& shown = g.text(r, c);
      double value = 0;
      if (cellNumber(shown, value)) {
        EXPECT_EQ(cell.type, "n") << ref << " shows " << shown;
        EXPECT_EQ(test::numberIn(cell.value), numericValue(shown)) << ref << " shows " << shown;
        forces += c >= 3 && numericValue(shown) > 0;
      } else {
        EXPECT_EQ(cell.type, "s") << ref << " shows " << shown;
      }
    }
  }
  // The kilogram columns (story forces, shears) are numbers on every story.
  EXPECT_EQ(forces, 5 * (g.cols() - 3));
}

}  // namespace
}  // namespace vorn
