// Under Wine: the folder scan against a plain FindFirstFileA walk over the
// same tree, alternating, medians of the rounds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PlainWalk.h"
#include "toolkit/core/StringList.h"
#include "wallpaper/PicturePool.h"

namespace {

template <class F>
double Milliseconds(F&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pool_bench_win FOLDER [ROUNDS]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  toolkit::TStringList pool;
  std::vector<std::string> paths;
  std::vector<double> scan, walk;
  // One unmeasured pass each warms the caches.
  muralto::ScanFolder(folder, pool);
  bench::FindWalk(folder, paths);
  for (int i = 0; i < rounds; ++i) {
    scan.push_back(Milliseconds([&] {
      pool.Clear();
      muralto::ScanFolder(folder, pool);
    }));
    walk.push_back(Milliseconds([&] {
      paths.clear();
      bench::FindWalk(folder, paths);
    }));
  }
  std::printf("pictures %d %zu\nscan_ms %.1f\nwalk_ms %.1f\n", pool.Count(), paths.size(), Median(scan), Median(walk));
  return pool.Count() == static_cast<int>(paths.size()) ? 0 : 1;
}
