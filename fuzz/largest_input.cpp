#include "largest_input.h"

#include <cstdio>
#include <cstdlib>

namespace vorn::fuzz {

namespace {

std::size_t largest = 0;

void printLargest()
{
  std::fprintf(stderr, "stat::largest_executed_unit_bytes: %zu\n", largest);
}

}  // namespace

void noteInputSize(std::size_t size)
{
  // Registered with the first input, so that a target that ran none prints nothing. libFuzzer
  // leaves through exit() when its time is up; after a crash it does not, and the input that
  // crashed is kept instead.
  static const bool registered = std::atexit(printLargest) == 0;
  (void)registered;
  if (size > largest) {
    largest = size;
  }
}

}  // namespace vorn::fuzz
