#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "counting_prompter.h"
#include "fileformat/project_file.h"
#include "session/session.h"
#include "windows/files/open_project.h"
#include "windows/static/run1_static.h"

namespace {

namespace fs = std::filesystem;

// A 200-story building with every story, centre and drift entered, so that opening it runs
// every computation again.
void describe(vorn::Project& p)
{
  p.N = 200;
  p.H1 = 198;  // within the 200 m limit of the dual system
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

struct Folder {
  Folder()
  {
    std::string pattern = (fs::temp_directory_path() / "vorn-bench-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~Folder() { fs::remove_all(path); }
  fs::path path;
};

void BM_SaveProject200(benchmark::State& state)
{
  vorn::bench::CountingPrompter prompter(true);
  auto s = std::make_unique<vorn::Session>(prompter);
  describe(s->project);
  vorn::RUN1(*s);
  Folder folder;
  const std::string path = (folder.path / "B.EQ").string();
  for (auto _ : state) {
    auto failure = vorn::writeProjectFile(s->project, path);
    benchmark::DoNotOptimize(failure);
  }
}
BENCHMARK(BM_SaveProject200)->Unit(benchmark::kMillisecond);

void BM_OpenProject200(benchmark::State& state)
{
  vorn::bench::CountingPrompter prompter(true);
  Folder folder;
  const std::string path = (folder.path / "B.EQ").string();
  {
    auto s = std::make_unique<vorn::Session>(prompter);
    describe(s->project);
    vorn::writeProjectFile(s->project, path);
  }
  auto s = std::make_unique<vorn::Session>(prompter);
  for (auto _ : state) {
    const auto read = vorn::readProjectFile(path);
    vorn::openProjectLines(*s, read.lines);
    benchmark::DoNotOptimize(s->project.Vx);
  }
}
BENCHMARK(BM_OpenProject200)->Unit(benchmark::kMillisecond);

}  // namespace
