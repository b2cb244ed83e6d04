#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "counting_prompter.h"
#include "session/session.h"
#include "windows/static/run1_static.h"

namespace {

// A building of n alike stories on special RC moment frames, which the code checks accept at
// any height once the height limit allows it.
void describeBuilding(vorn::Project& p, int n)
{
  p.N = n;
  p.SYSTEMx = 11;
  p.SYSTEMy = 11;
  p.Rx = 10;
  p.Ry = 10;
  p.H1 = 3.2 * n;
  p.Hmax = p.H1;
  p.form8.Check[4].value = 0;  // analytical period
  p.T = 1.2;
  for (int s = 1; s <= n; ++s) {
    p.AR[s] = 400;
    p.DL[s] = 600;
    p.LL[s] = 200;
    p.PERL[s] = 20;
    p.PW[s] = 80;
    p.HW[s] = s == n ? 1.0 : 3.2;
    p.PERW[s] = 30;
    p.LW[s] = 300;
    p.LOD[s] = 500;
    p.HS[s] = 3.2;
    p.STORYSET[s] = true;
  }
}

void BM_RUN1(benchmark::State& state)
{
  vorn::bench::CountingPrompter prompter;
  auto session = std::make_unique<vorn::Session>(prompter);
  describeBuilding(session->project, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    vorn::RUN1(*session);
    benchmark::DoNotOptimize(session->project.form13.MSFlexGrid1.rows());
  }
  if (session->project.form13.MSFlexGrid1.rows() != state.range(0) + 1) {
    state.SkipWithError("the run did not complete");
  }
}
BENCHMARK(BM_RUN1)->Arg(1)->Arg(20)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
