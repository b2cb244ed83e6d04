// Writing the workbook of the largest project: 200 stories, every table ticked. It must take
// well under half a second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/number_text.h"
#include "windows/report/note_document.h"
#include "workbook/workbook.h"

namespace {

// A note the size of the report's ten tables for `stories` stories: per table two tables of a
// story row each (the directions), ten columns of numbers and a verdict, with the facts above.
vorn::NoteDocument largestNote(int stories)
{
  vorn::NoteDocument note;
  note.program = "VORN 1.0.0";
  for (int k = 1; k <= 10; ++k) {
    vorn::NoteSection section;
    section.table = k;
    section.heading = "جدول " + std::to_string(k);
    for (int f = 0; f < 12; ++f) {
      section.facts.push_back({"مقدار " + std::to_string(f), vorn::padded(0.35 * f + k)});
    }
    for (const char* direction : {"x", "y"}) {
      vorn::NoteTable table;
      table.title = section.heading + " " + direction;
      table.sheet = section.heading + " " + direction;
      table.columns.push_back({"طبقه", ""});
      for (int c = 1; c <= 10; ++c) {
        table.columns.push_back({"ستون " + std::to_string(c), "kg"});
      }
      table.columns.push_back({"نتيجه", ""});
      for (int s = stories; s >= 1; --s) {
        std::vector<std::string> row{vorn::padded(static_cast<double>(s))};
        for (int c = 1; c <= 10; ++c) {
          row.push_back(c == 10 && s % 7 == 0 ? " -" : vorn::padded(1234.5678 * c / s));
        }
        row.push_back(s % 3 == 0 ? "قابل قبول" : "OK");
        table.rows.push_back(std::move(row));
      }
      section.tables.push_back(std::move(table));
    }
    note.sections.push_back(std::move(section));
  }
  return note;
}

void BM_WriteWorkbook(benchmark::State& state)
{
  const vorn::NoteDocument note = largestNote(static_cast<int>(state.range(0)));
  std::string folder = (std::filesystem::temp_directory_path() / "vorn-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string path = folder + "/note.xlsx";
  for (auto _ : state) {
    if (const auto problem = vorn::writeWorkbook(note, path)) {
      state.SkipWithError(problem->c_str());
      break;
    }
  }
  state.counters["bytes"] =
      std::filesystem::exists(path) ? static_cast<double>(std::filesystem::file_size(path)) : 0;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteWorkbook)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
