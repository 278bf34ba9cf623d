// The most memory that decoding a generated page of commands holds at once,
// counted by a replacement of the global allocation functions. A program of
// its own, so that the count does not slow the timed benchmarks.
// Usage: pagewright-peak [COMMANDS...]   (default 1000 10000 100000 1000000)
#include "allocation_tracker.h"
#include "event_trees.h"
#include "kestrel_internal.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace KESTREL;

int main(int argc, char** argv) {
    std::vector<std::int32_t> counts = {1000, 10000, 100000, 1000000};
    if (argc > 1) counts.assign(argc - 1, 0);
    for (int i = 1; i < argc; ++i)
        counts[i - 1] = std::atoi(argv[i]);

    for (const std::int32_t commands : counts) {
        const EVENTTREE tree = PAGEWRIGHTBENCH::COMMANDPAGEEVENT(commands);
        const BYTESTRING content = *ENCODECONTENT(CB_EVENTCOMMANDS, tree.get(), 1, 0, -1);
        const std::size_t before = ALLOCATEDBYTES();
        RESETPEAKALLOCATEDBYTES();
        EVENT* decoded = DECODECONTENT(CB_EVENTCOMMANDS, content);
        const std::size_t peak = PEAKALLOCATEDBYTES() - before;
        DESTROYOBJECT(decoded, 0, 1);
        std::printf(
            "%8d commands: %10zu content bytes, peak %7.1f MiB, %5.1f bytes per input byte\n",
            commands, content.size(), static_cast<double>(peak) / (1 << 20),
            static_cast<double>(peak) / static_cast<double>(content.size()));
    }
    return 0;
}
