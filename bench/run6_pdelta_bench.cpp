#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "counting_prompter.h"
#include "session/session.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/pdelta/form24_pdelta_results.h"

namespace {

// The P-Delta check of an irregular building with every story of the table: 3 m stories whose
// forces grow with the height, drifts that make stories of all three kinds.
void BM_RUN6(benchmark::State& state)
{
  vorn::bench::CountingPrompter prompter;
  auto session = std::make_unique<vorn::Session>(prompter);
  vorn::Project& p = session->project;
  const int n = static_cast<int>(state.range(0));
  p.N = n;
  p.form8.Check[3].value = 0;
  for (int i = 1; i <= n; ++i) {
    p.HS[i] = 3;
    p.AR[i] = 400;
    p.LL[i] = 200;
    p.PERL[i] = 20;
    p.StoryWeight[i] = 400000;
    p.ForceX[i] = 50.0 * i;
    p.ForceY[i] = 80.0 * i;
    p.DRIFTx[i] = 0.005 + 0.0001 * (i % 50);
    p.DRIFTy[i] = 0.004 + 0.0001 * (i % 30);
    p.DRIFTMAXx[i] = 1.2 * p.DRIFTx[i];
    p.DRIFTMAXy[i] = 1.2 * p.DRIFTy[i];
    p.DRIFTSET[i] = true;
  }
  vorn::run8(*session);
  for (auto _ : state) {
    session->form23.RUN6();
    benchmark::DoNotOptimize(p.form24.MSFlexGrid1.text(n, 12));
    session->form24.OK_Click();
  }
  if (prompter.messages != 0 || p.form24.MSFlexGrid1.rows() != n + 1) {
    state.SkipWithError("the check was not made");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RUN6)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
