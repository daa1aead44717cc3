// RebuildPool over a generated tree against a plain readdir walk keeping the
// same paths. The tree's host folder comes in MURALTO_BENCH_TREE.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PlainWalk.h"
#include "platform/sim/world.h"
#include "toolkit/controls/ListItems.h"
#include "toolkit/core/StringList.h"
#include "wallpaper/PicturePool.h"

namespace {

std::string TreeFolder() {
  const char* tree = std::getenv("MURALTO_BENCH_TREE");
  return tree ? tree : "";
}

void BM_RebuildPool(benchmark::State& state) {
  sim::Reset();
  sim::MapDrive('P', TreeFolder());
  toolkit::TListItems folders;
  toolkit::TListItem* item = folders.Add();
  item->SetCaption("P:\\");
  item->SetChecked(true);
  toolkit::TStringList pool;
  for (auto _ : state) {
    muralto::RebuildPool(folders, pool);
    benchmark::DoNotOptimize(pool.Count());
  }
  state.counters["pictures"] = pool.Count();
}

void BM_ReaddirWalk(benchmark::State& state) {
  const std::string tree = TreeFolder();
  std::vector<std::string> paths;
  for (auto _ : state) {
    paths.clear();
    bench::ReaddirWalk(tree, "P:", paths);
    benchmark::DoNotOptimize(paths.data());
  }
  state.counters["pictures"] = static_cast<double>(paths.size());
}

// The same plain walk through the simulated FindFirstFileA: separates the
// scan's own cost from the simulated enumeration's.
void BM_SimFindWalk(benchmark::State& state) {
  sim::Reset();
  sim::MapDrive('P', TreeFolder());
  std::vector<std::string> paths;
  for (auto _ : state) {
    paths.clear();
    bench::FindWalk("P:", paths);
    benchmark::DoNotOptimize(paths.data());
  }
  state.counters["pictures"] = static_cast<double>(paths.size());
}

BENCHMARK(BM_RebuildPool)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReaddirWalk)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SimFindWalk)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  if (TreeFolder().empty()) {
    std::fprintf(stderr, "set MURALTO_BENCH_TREE to the generated tree\n");
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
