// A count of the heap bytes that the global operator new family hands out, so
// that a benchmark can tell the peak memory of one call.
#ifndef PAGEWRIGHT_BENCH_ALLOCATION_COUNT_H
#define PAGEWRIGHT_BENCH_ALLOCATION_COUNT_H

#include <cstdint>

namespace PAGEWRIGHTBENCH {

// Starts counting from zero. Blocks are counted at their usable size.
void STARTCOUNTING();

// Stops counting and returns the highest count reached: the most bytes that
// the code between the two calls held at once, less what it released of
// blocks that were there before.
std::int64_t STOPCOUNTING();

} // namespace PAGEWRIGHTBENCH

#endif
