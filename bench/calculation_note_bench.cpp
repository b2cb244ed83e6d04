#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <memory>
#include <string>

#include "counting_prompter.h"
#include "note/calculation_note.h"
#include "report_buildings.h"
#include "session/session.h"
#include "windows/report/note_document.h"

namespace {

// The note paints with Qt: an application on the offscreen platform, made once and kept until
// the process ends.
void startQt()
{
  static const bool started = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vorn_bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return true;
  }();
  benchmark::DoNotOptimize(started);
}

// The note of the tallest building the program holds, described and run as the user does, with
// every table ticked: composed from the project and painted as a PDF.
void BM_CalculationNote200(benchmark::State& state)
{
  startQt();
  vorn::bench::CountingPrompter prompter(true);
  auto s = std::make_unique<vorn::Session>(prompter);
  vorn::test::describeTallBuilding(*s);
  vorn::test::tickEverything(*s, "unused.txt");
  if (prompter.messages != 0) {
    state.SkipWithError("the building was not described without a message");
    return;
  }
  const vorn::NoteTitle title{"Tower", "Engineer", "Office", "B.EQ", "2026-12-08"};
  std::string bytes;
  for (auto _ : state) {
    bytes = vorn::calculationNotePdf(vorn::buildNoteDocument(s->project, title)).bytes;
    benchmark::DoNotOptimize(bytes.data());
  }
  // Each page object of the PDF is a line "/Type /Page".
  double pages = 0;
  for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
       at = bytes.find("/Type /Page\n", at + 1)) {
    ++pages;
  }
  state.counters["pages"] = pages;
  double tables = 0;
  double rows = 0;
  for (const vorn::NoteSection& section : vorn::buildNoteDocument(s->project, title).sections) {
    tables += static_cast<double>(section.tables.size());
    for (const vorn::NoteTable& table : section.tables) {
      rows += static_cast<double>(table.rows.size());
    }
  }
  state.counters["tables"] = tables;
  state.counters["rows"] = rows;
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_CalculationNote200)->Unit(benchmark::kMillisecond);

}  // namespace
