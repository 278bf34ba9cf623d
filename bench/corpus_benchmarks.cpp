#include "benchmarks.h"
#include "corpus.h"
#include "event_trees.h"
#include "kestrel_internal.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace PAGEWRIGHTBENCH {
namespace {

using namespace KESTREL;

using CONTENTS = std::shared_ptr<const std::vector<std::string>>;

std::int64_t TOTALBYTES(const std::vector<std::string>& contents) {
    std::int64_t bytes = 0;
    for (const std::string& content : contents)
        bytes += static_cast<std::int64_t>(content.size());
    return bytes;
}

// Every tree is kept until the round ends, as a program that holds a whole
// game's events does, and its release is timed with its decoding: glibc's
// allocator defers merging the many small blocks that a round releases to the
// next large allocation, so a release left out of the timing would still be
// paid for by the next round's decoding, after the released memory has left
// the cache.
void DECODECORPUS(benchmark::State& state, CLIPBOARDCONTENTTYPE format, const CONTENTS& contents) {
    std::vector<EVENT*> trees(contents->size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < trees.size(); ++i)
            trees[i] = DECODECONTENT(format, (*contents)[i]);
        benchmark::DoNotOptimize(trees.data());
        for (EVENT* tree : trees)
            DESTROYOBJECT(tree, 0, 1);
    }
    state.SetBytesProcessed(state.iterations() * TOTALBYTES(*contents));
    state.counters["files"] = static_cast<double>(contents->size());
}

// Each tree is written back as the format it came from.
void ENCODECORPUS(benchmark::State& state, CLIPBOARDCONTENTTYPE format, const CONTENTS& contents) {
    std::vector<EVENTTREE> trees;
    std::int64_t written = 0;
    for (const std::string& content : *contents) {
        trees.emplace_back(DECODECONTENT(format, content));
        written += static_cast<std::int64_t>(
            ENCODECONTENT(format, trees.back().get(), 1, 0, -1).value_or(BYTESTRING()).size());
    }
    for (auto _ : state) {
        for (const EVENTTREE& tree : trees) {
            std::optional<BYTESTRING> content = ENCODECONTENT(format, tree.get(), 1, 0, -1);
            benchmark::DoNotOptimize(content);
        }
    }
    state.SetBytesProcessed(state.iterations() * written);
    state.counters["files"] = static_cast<double>(contents->size());
}

} // namespace

void REGISTERCORPUSBENCHMARKS() {
    if (CORPUSFOLDER() == nullptr) {
        std::fprintf(stderr, "PAGEWRIGHT_CORPUS is not set: no corpus benchmarks.\n");
        return;
    }
    const std::vector<CORPUSFILE> files = CORPUSFILES();
    for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATNUMBERS) {
        auto of_format = std::make_shared<std::vector<std::string>>();
        for (const CORPUSFILE& file : files) {
            if (file.format == format) of_format->push_back(FILEBYTES(file.path));
        }
        const CONTENTS contents = of_format;
        if (contents->empty()) continue;
        const std::string prefix = "corpus/" + std::to_string(format);
        benchmark::RegisterBenchmark((prefix + "/decode").c_str(), DECODECORPUS, format, contents)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((prefix + "/encode").c_str(), ENCODECORPUS, format, contents)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace PAGEWRIGHTBENCH
