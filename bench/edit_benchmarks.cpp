#include "benchmarks.h"
#include "codec/encoding.h"
#include "file_edits.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace PAGEWRIGHTBENCH {
namespace {

using namespace KESTREL;
using namespace PAGEWRIGHT;

constexpr std::int32_t LISTCHUNK = 0x51;
constexpr std::int32_t TEXTCHUNK = 1;
constexpr std::int32_t TEXTS = 100'000;

// A file of one list chunk of TEXTS text chunks of about 20 bytes, as a map
// file of many messages, and each text chunk as the reader gives it.
struct TEXTFILE {
    std::string bytes;
    CHUNK list;
    std::vector<CHUNK> texts;
};

const TEXTFILE& MANYTEXTS() {
    static const TEXTFILE made = [] {
        std::string texts;
        std::vector<CHUNK> chunks;
        for (std::int32_t index = 0; index < TEXTS; ++index) {
            const std::string text = "Welcome, stranger " + std::to_string(index);
            chunks.push_back({TEXTCHUNK, static_cast<std::int32_t>(text.size()),
                              static_cast<std::int64_t>(texts.size()), 0});
            APPENDDATACHUNK(texts, text, WITHLENGTH, TEXTCHUNK);
        }
        TEXTFILE file;
        file.bytes = "\x0ALcfMapUnit";
        const auto head = static_cast<std::int64_t>(file.bytes.size());
        APPENDDATACHUNK(file.bytes, texts, WITHLENGTH, LISTCHUNK);
        const auto payload = static_cast<std::int64_t>(file.bytes.size() - texts.size());
        file.list = {LISTCHUNK, static_cast<std::int32_t>(texts.size()), head, payload};
        for (CHUNK& chunk : chunks) {
            chunk.header += payload;
            chunk.payload = chunk.header + 2;
        }
        file.texts = std::move(chunks);
        return file;
    }();
    return made;
}

// state.range(0) edits spread over the file, each a text made longer, in one
// pass: the time grows with the bytes and the edits, not their product.
void APPLYTEXTEDITS(benchmark::State& state) {
    const TEXTFILE& file = MANYTEXTS();
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<EDIT> edits;
    for (std::size_t index = 0; index < count; ++index) {
        const CHUNK& text = file.texts[index * file.texts.size() / count];
        edits.push_back({text.payload,
                         text.payload + text.length,
                         "Willkommen, Fremder",
                         {file.list, text},
                         {}});
    }
    for (auto _ : state) {
        std::optional<BYTESTRING> written = APPLYEDITS(file.bytes, edits);
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.bytes.size()));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

} // namespace

void REGISTEREDITBENCHMARKS() {
    benchmark::RegisterBenchmark("edits/apply", APPLYTEXTEDITS)
        ->RangeMultiplier(10)
        ->Range(1, TEXTS)
        ->Unit(benchmark::kMillisecond);
}

} // namespace PAGEWRIGHTBENCH
