#pragma once

#include <cstddef>

namespace vorn::fuzz {

// Notes the size of an input the fuzz target is about to run. When the target exits after its
// run, it prints the largest it ran as "stat::largest_executed_unit_bytes: N", beside libFuzzer's
// own statistics, which count the inputs but do not tell how long they grew.
void noteInputSize(std::size_t size);

}  // namespace vorn::fuzz
