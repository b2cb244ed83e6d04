#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "counting_prompter.h"
#include "session/session.h"
#include "windows/torsion/run2_torsion.h"

namespace {

// An irregular building of n stories of 3.2 m whose static run and torsion data are in place,
// the amplification factors found from the drifts; the centres wander a little from story to
// story, as they do in a real building.
void describeBuilding(vorn::Project& p, int n)
{
  p.N = n;
  p.H1 = 3.2 * n;
  p.form8.Check[3].value = 0;
  p.form14.Option1[0].value = false;
  p.form14.Option1[1].value = true;
  p.PDELTASET = true;
  p.FDIMx = 32;
  p.FDIMy = 22;
  p.FTHK = 1.2;
  for (int s = 1; s <= n; ++s) {
    p.LevelHeight[s] = 3.2 * s;
    p.StoryWeight[s] = 250000;
    p.ForceX[s] = 150.0 * s;
    p.ForceY[s] = 120.0 * s;
    p.CMx[s] = 15 + 0.01 * (s % 7);
    p.CMy[s] = 10 + 0.02 * (s % 5);
    p.CRx[s] = 14.6;
    p.CRy[s] = 9.8;
    p.DIMx[s] = 30;
    p.DIMy[s] = 20;
    p.DRIFTx[s] = p.DRIFTy[s] = 0.01;
    p.DRIFTMAXx[s] = 0.0125 + 0.0001 * (s % 3);
    p.DRIFTMAXy[s] = 0.013;
  }
}

void BM_RUN2(benchmark::State& state)
{
  vorn::bench::CountingPrompter prompter;
  auto session = std::make_unique<vorn::Session>(prompter);
  describeBuilding(session->project, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    vorn::RUN2(*session);
    benchmark::DoNotOptimize(session->project.form18.MSFlexGrid1.rows());
  }
  if (prompter.messages != 0 || session->project.form18.MSFlexGrid1.rows() != state.range(0) + 1) {
    state.SkipWithError("the run did not complete");
  }
}
BENCHMARK(BM_RUN2)->Arg(20)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
