// The workbook of a whole project, every table ticked.
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

TEST(WorkbookOfAProject, EveryTableHasItsSheetAndTheStaticForcesAreTheWindowsNumbers)
{
  test::TempFolder temp("vorn-workbook-project");
  test::ScriptedPrompter prompter;
  auto s = std::make_unique<Session>(prompter);
  test::describeIrregularBuilding(*s);
  test::tickEverything(*s, temp.file("report.txt"));
  const NoteDocument note = buildNoteDocument(s->project, {});
  ASSERT_EQ(writeWorkbook(note, temp.file("a.xlsx")), std::nullopt);
  const auto sheets = test::readWorkbook(temp.file("a.xlsx"));

  std::vector<std::string> expected = {note_texts::inputsSheet}, names;
  for (const NoteSection& section : note.sections) {
    for (const NoteTable& table : section.tables) {
      expected.push_back(table.sheet);
    }
  }
  for (const auto& sheet : sheets) {
    names.push_back(sheet.name);
  }
  ASSERT_EQ(names, expected);
  const auto shears = std::find(names.begin(), names.end(), note_texts::staticSheet);
  ASSERT_NE(shears, names.end());
  const test::DumpedSheet& sheet = sheets[static_cast<std::size_t>(shears - names.begin())];

  // Below the title and the header, a row per story; the columns from the fourth on are the
  // story forces and shears in kg.
  const Grid& g = s->project.form13.MSFlexGrid1;
  ASSERT_EQ(g.rows(), 6);
  for (int r = 1; r < g.rows(); ++r) {
    for (int c = 3; c < g.cols(); ++c) {
      const std::string cell =
          sheet[std::string(1, static_cast<char>('A' + c)) + std::to_string(r + 2)];
      EXPECT_EQ(test::numberIn(cell), numericValue(g.text(r, c))) << g.text(r, c);
    }
  }
}

}  // namespace
}  // namespace vorn
