#pragma once

// The main of every benchmark program. `--brief` asks for one short run that shows the benchmark still
// works (CTest's run): a benchmark whose fixed scale takes long then takes a small one.

#include <benchmark/benchmark.h>

#include <string_view>

namespace bench {

inline bool brief = false;

// `full` in a measured run, `small` in a brief one.
inline long Scale(long full, long small) {
  return brief ? small : full;
}

inline int Main(int argc, char** argv) {
  int kept = 1;
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]) == "--brief") {
      brief = true;
    } else {
      argv[kept++] = argv[index];
    }
  }
  argc = kept;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
