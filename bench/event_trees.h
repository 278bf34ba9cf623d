// Event trees of a chosen size, built in memory, for the benchmarks to encode
// and to decode again.
#ifndef PAGEWRIGHT_BENCH_EVENT_TREES_H
#define PAGEWRIGHT_BENCH_EVENT_TREES_H

#include "trees.h"

#include <cstdint>

namespace PAGEWRIGHTBENCH {

// An event with one page of `commands` commands in a mix like the editor's:
// messages with text, conditional branches with their else and end commands
// one indent out, switches and variables with several parameters, a sound
// effect, and set-move-route commands with a few steps each.
EVENTTREE COMMANDPAGEEVENT(std::int32_t commands);

// A map event with `pages` pages, each with a condition, a graphic, a share
// of the mix above, and on every other page a route of its own.
EVENTTREE MAPEVENT(std::int32_t pages);

} // namespace PAGEWRIGHTBENCH

#endif
