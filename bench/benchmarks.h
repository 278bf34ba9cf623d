// The benchmark groups, registered at start so that their inputs can depend on
// the environment and be built only for the benchmarks that run.
#ifndef PAGEWRIGHT_BENCH_BENCHMARKS_H
#define PAGEWRIGHT_BENCH_BENCHMARKS_H

namespace PAGEWRIGHTBENCH {

// corpus/FORMAT/decode and corpus/FORMAT/encode over every file of the
// format under PAGEWRIGHT_CORPUS; none without it.
void REGISTERCORPUSBENCHMARKS();

// page/FORMAT/decode|encode/COMMANDS and mapevent/563/decode|encode/PAGES on
// trees built in memory.
void REGISTERGENERATEDBENCHMARKS();

// po/read/5MB and po/write/5MB on a file of a translated game's messages
// built in memory.
void REGISTERPOBENCHMARKS();

// edits/apply/EDITS: that many edits of the texts of a 2.5 MB file built in
// memory, applied in one pass.
void REGISTEREDITBENCHMARKS();

} // namespace PAGEWRIGHTBENCH

#endif
