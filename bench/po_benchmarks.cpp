#include "benchmarks.h"
#include "po_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace PAGEWRIGHTBENCH {
namespace {

using namespace PAGEWRIGHT;

constexpr std::size_t POFILEBYTES = 5'000'000;

// A translated game's file: messages of four lines in boxes of the maps'
// events, with their speaker, places and a translation, every tenth fuzzy.
const POFILE& GAMETRANSLATIONS() {
    static const POFILE made = [] {
        POFILE file;
        file.header = POHEADER({{"Language", "de"},
                                {"MIME-Version", "1.0"},
                                {"Content-Type", "text/plain; charset=UTF-8"},
                                {"Content-Transfer-Encoding", "8bit"}});
        std::size_t bytes = 0;
        for (std::size_t index = 0; bytes < POFILEBYTES; ++index) {
            POENTRY& message = file.messages.emplace_back();
            const std::string number = std::to_string(index);
            message.extracted_comments = {"Alex, face " + std::to_string(index % 8)};
            message.references = {"Map" + number + ".lmu", "Map" + number + ".lmu/EV0001"};
            if (index % 10 == 0) message.flags = {std::string(FUZZYFLAG)};
            message.msgctxt = "Map" + number + "/EV0001/1/" + std::to_string(index % 40);
            message.msgid = "Welcome to the village, stranger!\nThe gate opens at dawn, \"not\" "
                            "before.\nMind the wolves in the forest.\nTake this sword, " +
                            number + ".";
            message.msgstr = "Willkommen im Dorf, Fremder!\nDas Tor öffnet bei Tagesanbruch.\n"
                             "Hüte dich vor den Wölfen im Wald.\nNimm dieses Schwert, " +
                             number + ".";
            bytes += WRITEPO({std::nullopt, {message}}).size() + 1;
        }
        return file;
    }();
    return made;
}

// The file is released outside the timed part.
void READPOFILE(benchmark::State& state) {
    const std::string bytes = WRITEPO(GAMETRANSLATIONS());
    for (auto _ : state) {
        POFILE file = READPO(bytes);
        benchmark::DoNotOptimize(file);
        state.PauseTiming();
        file = POFILE{};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["messages"] = static_cast<double>(GAMETRANSLATIONS().messages.size());
}

void WRITEPOFILE(benchmark::State& state) {
    const POFILE& file = GAMETRANSLATIONS();
    std::size_t written = 0;
    for (auto _ : state) {
        const std::string bytes = WRITEPO(file);
        written = bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(written));
}

} // namespace

void REGISTERPOBENCHMARKS() {
    benchmark::RegisterBenchmark("po/read/5MB", READPOFILE)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("po/write/5MB", WRITEPOFILE)->Unit(benchmark::kMillisecond);
}

} // namespace PAGEWRIGHTBENCH
