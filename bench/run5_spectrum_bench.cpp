#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "counting_prompter.h"
#include "model/number_text.h"
#include "session/session.h"
#include "windows/spectrum/form19_spectrum.h"

namespace {

// The design spectrum of soil type 3 with periods 0 to 999.9 s in steps of 0.1 s:
// 10 000 rows of periods, the header row besides.
void BM_RUN5(benchmark::State& state)
{
  vorn::bench::CountingPrompter prompter;
  auto session = std::make_unique<vorn::Session>(prompter);
  vorn::Project& p = session->project;
  p.T0 = 0.15;
  p.TS = 0.7;
  p.S = 1.75;
  p.Rx = 7;
  p.Ry = 11;
  const double steps = static_cast<double>(state.range(0)) - 1;
  p.form19.Text[1].text = vorn::padded(steps / 10);
  p.form19.Text[2].text = "0.1";
  for (auto _ : state) {
    vorn::RUN4(*session);
    session->form19.RUN5();
    benchmark::DoNotOptimize(p.form20.MSFlexGrid1.text(1, 1));
  }
  if (prompter.messages != 0 || p.form20.MSFlexGrid1.rows() != state.range(0) + 1) {
    state.SkipWithError("the table was not built");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RUN5)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
