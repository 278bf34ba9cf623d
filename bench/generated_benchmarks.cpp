#include "benchmarks.h"
#include "event_trees.h"
#include "kestrel_internal.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace PAGEWRIGHTBENCH {
namespace {

using namespace KESTREL;

constexpr std::int32_t COMMANDCOUNTS[] = {1000, 10000, 100000, 1000000};
constexpr std::int32_t MAPEVENTPAGES = 10000;

struct INPUT {
    std::string name;
    CLIPBOARDCONTENTTYPE format;
    EVENTTREE (*build)(std::int32_t);
    std::int32_t size;
    // What `size` counts, as the name of the time-per-item counter.
    const char* per_item;
};

// Built once and kept, so that repetitions and later benchmarks of the same
// input do not build it again.
const std::string& CONTENTOF(const INPUT& input) {
    static std::map<std::string, std::string> made;
    auto found = made.find(input.name);
    if (found == made.end()) {
        const EVENTTREE tree = input.build(input.size);
        found = made.emplace(input.name, *ENCODECONTENT(input.format, tree.get(), 1, 0, -1)).first;
    }
    return found->second;
}

void SETRATES(benchmark::State& state, const INPUT& input, std::size_t content_bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(content_bytes));
    state.SetItemsProcessed(state.iterations() * input.size);
    state.counters[input.per_item] = benchmark::Counter(
        input.size, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The tree is released outside the timed part.
void DECODEGENERATED(benchmark::State& state, const INPUT& input) {
    const std::string& content = CONTENTOF(input);
    for (auto _ : state) {
        EVENT* tree = DECODECONTENT(input.format, content);
        benchmark::DoNotOptimize(tree);
        state.PauseTiming();
        DESTROYOBJECT(tree, 0, 1);
        state.ResumeTiming();
    }
    SETRATES(state, input, content.size());
}

void ENCODEGENERATED(benchmark::State& state, const INPUT& input) {
    const EVENTTREE tree = input.build(input.size);
    const std::size_t written = CONTENTOF(input).size();
    for (auto _ : state) {
        std::optional<BYTESTRING> content = ENCODECONTENT(input.format, tree.get(), 1, 0, -1);
        benchmark::DoNotOptimize(content);
    }
    SETRATES(state, input, written);
}

void REGISTERINPUT(const char* group, const INPUT& input) {
    const std::string format = std::to_string(input.format);
    const std::string size = std::to_string(input.size);
    const std::string prefix = std::string(group) + "/" + format;
    benchmark::RegisterBenchmark((prefix + "/decode/" + size).c_str(), DECODEGENERATED, input)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((prefix + "/encode/" + size).c_str(), ENCODEGENERATED, input)
        ->Unit(benchmark::kMillisecond);
}

INPUT PAGEINPUT(CLIPBOARDCONTENTTYPE format, std::int32_t commands) {
    return {"page/" + std::to_string(format) + "/" + std::to_string(commands), format,
            COMMANDPAGEEVENT, commands, "per_command"};
}

} // namespace

void REGISTERGENERATEDBENCHMARKS() {
    for (const CLIPBOARDCONTENTTYPE format : {CB_EVENTCOMMANDS, CB_MAPEVENTPAGE}) {
        for (const std::int32_t commands : COMMANDCOUNTS)
            REGISTERINPUT("page", PAGEINPUT(format, commands));
    }
    REGISTERINPUT("mapevent", {"mapevent/563/" + std::to_string(MAPEVENTPAGES), CB_MAPEVENT,
                               MAPEVENT, MAPEVENTPAGES, "per_page"});
}

} // namespace PAGEWRIGHTBENCH
