// A numeric edit box left with any text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz_inputs.h"
#include "largest_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  vorn::fuzz::noteInputSize(size);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto problem = vorn::fuzz::pictureInput(bytes)) {
    std::fprintf(stderr, "%s\n", problem->c_str());
    std::abort();
  }
  return 0;
}
