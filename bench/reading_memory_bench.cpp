// Memory that reading a project file takes: the heap's peak while a file is read and checked,
// for a valid file and for hostile ones at the size limit. The peak must stay well under 100 MB
// (about six times a 16 MiB file) whatever the file holds.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "fileformat/project_file.h"
#include "model/project.h"

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* counted(std::size_t size)
{
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) {
    throw std::bad_alloc();
  }
  const std::size_t now = inUse += malloc_usable_size(p);
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return p;
}

void uncounted(void* p) noexcept
{
  if (p != nullptr) {
    inUse -= malloc_usable_size(p);
    std::free(p);
  }
}

}  // namespace

void* operator new(std::size_t size)
{
  return counted(size);
}
void* operator new[](std::size_t size)
{
  return counted(size);
}
void operator delete(void* p) noexcept
{
  uncounted(p);
}
void operator delete[](void* p) noexcept
{
  uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept
{
  uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
  uncounted(p);
}

namespace {

namespace fs = std::filesystem;

std::string fileLines(const std::function<void(std::vector<std::string>&)>& change)
{
  auto project = std::make_unique<vorn::Project>();
  std::vector<std::string> lines = vorn::projectFileLines(*project);
  change(lines);
  std::string bytes;
  for (const auto& line : lines) {
    bytes += line + "\r\n";
  }
  return bytes;
}

void measure(benchmark::State& state, const std::string& bytes)
{
  const fs::path path = fs::temp_directory_path() / "vorn-reading-memory.EQ";
  std::ofstream(path, std::ios::binary) << bytes;
  std::size_t most = 0;
  for (auto _ : state) {
    const std::size_t before = inUse.load();
    peak = before;
    const vorn::ProjectFileRead read = vorn::readProjectFile(path.string());
    benchmark::DoNotOptimize(read.lines.data());
    most = std::max(most, peak.load() - before);
  }
  fs::remove(path);
  state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
  state.counters["peak_heap_MB"] = static_cast<double>(most) / 1e6;
}

void BM_ReadValidFile(benchmark::State& state)
{
  measure(state, fileLines([](auto&) {}));
}

// 16 MiB of bare line feeds: a file with sixteen million empty lines.
void BM_ReadLineFeedsOnly(benchmark::State& state)
{
  measure(state, std::string(16u * 1024u * 1024u, '\n'));
}

// A file of the right length whose story-count line holds 15 MB.
void BM_ReadFifteenMegabyteLine(benchmark::State& state)
{
  measure(state, fileLines([](auto& lines) { lines[48] = std::string(15'000'000, '7'); }));
}

// The same with letters that take two bytes each once turned into UTF-8.
void BM_ReadFifteenMegabytesOfPersian(benchmark::State& state)
{
  measure(state, fileLines([](auto& lines) { lines[26] = std::string(15'000'000, '\xC7'); }));
}

}  // namespace

BENCHMARK(BM_ReadValidFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLineFeedsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFifteenMegabyteLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFifteenMegabytesOfPersian)->Unit(benchmark::kMillisecond);
