#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>
#include <memory>

#include "counting_prompter.h"
#include "fileformat/project_file.h"
#include "note/calculation_note.h"
#include "session/session.h"
#include "windows/files/open_project.h"
#include "windows/report/note_document.h"

namespace {

namespace fs = std::filesystem;

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

// The tallest building the program holds, every story, centre and drift entered, so that opening
// its file runs every computation and the report offers every table.
void describe(vorn::Project& p)
{
  p.N = 200;
  p.H1 = 198;
  p.SYSTEMx = p.SYSTEMy = 17;
  p.Rx = p.Ry = 11;
  p.HmaxX = p.HmaxY = p.Hmax = 200;
  p.form8.Check[3].value = 0;
  p.FDIMx = 30;
  p.FDIMy = 20;
  p.FTHK = 1;
  p.PDELTASET = true;
  for (int k = 1; k <= vorn::kMaxStories; ++k) {
    p.AR[k] = 400;
    p.DL[k] = 650;
    p.LL[k] = 200;
    p.PERL[k] = 20;
    p.PW[k] = 80;
    p.HW[k] = 0.9;
    p.PERW[k] = 25;
    p.LW[k] = 450;
    p.HS[k] = 0.99;
    p.STORYSET[k] = true;
    p.CMx[k] = 15.2;
    p.CMy[k] = 10.1;
    p.CRx[k] = 14.8;
    p.CRy[k] = 9.7;
    p.DIMx[k] = 30;
    p.DIMy[k] = 20;
    p.CMSET[k] = true;
    p.DRIFTx[k] = p.DRIFTy[k] = 0.01;
    p.DRIFTMAXx[k] = p.DRIFTMAXy[k] = 0.012;
    p.DRIFTSET[k] = true;
  }
}

// The note of a 200-story building with every table ticked: composed from the project and
// painted as a PDF.
void BM_CalculationNote200(benchmark::State& state)
{
  startQt();
  vorn::bench::CountingPrompter prompter(true);
  std::string pattern = (fs::temp_directory_path() / "vorn-bench-XXXXXX").string();
  const fs::path folder = mkdtemp(pattern.data());
  const std::string path = (folder / "B.EQ").string();
  {
    auto s = std::make_unique<vorn::Session>(prompter);
    describe(s->project);
    vorn::writeProjectFile(s->project, path);
  }
  auto s = std::make_unique<vorn::Session>(prompter);
  vorn::openProjectLines(*s, vorn::readProjectFile(path).lines);
  fs::remove_all(folder);
  for (int k = 1; k <= 10; ++k) {
    s->project.form27.Check[k].value = 1;
  }
  const vorn::NoteTitle title{"Tower", "Engineer", "Office", "B.EQ", "2026-12-08"};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const vorn::NotePdf pdf = vorn::calculationNotePdf(vorn::buildNoteDocument(s->project, title));
    bytes = pdf.bytes.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CalculationNote200)->Unit(benchmark::kMillisecond);

}  // namespace
