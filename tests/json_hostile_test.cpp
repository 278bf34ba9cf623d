// JSON made to hurt the event reader: long arrays of the smallest elements,
// deep nesting, long texts and noise. Every import stays within the bounds
// of bounds.h, the trees it builds included.
#include "bounds.h"
#include "command_table.h"
#include "fixtures.h"
#include "json_trees.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

// Imports in code page 932, writes the tree as every format and releases it:
// what that cost, the import measured against `seconds_per_byte`.
// The code page and the index of command names are made once, for good,
// before anything is counted.
READCOST METEREDIMPORT(const std::string& json, double seconds_per_byte) {
    OPENCODEPAGE(932);
    COMMANDCODE("");
    COSTMETER meter(json.size(), json.substr(0, 40), seconds_per_byte);
    try {
        const IMPORTEDEVENT imported = IMPORT(json, 932);
        meter.READDONE();
        for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS)
            ENCODE(target, imported.tree.get());
    } catch (const JSONERROR&) {
        meter.READDONE();
    }
    return meter.COST();
}

// The benign input is the rich event exported as every format.
READCOST IMPORTCOST(const std::string& json) {
    static const double seconds_per_byte = [] {
        const EVENTTREE rich = RICHEVENT();
        std::vector<std::string> exports;
        for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATNUMBERS)
            exports.push_back(EXPORT(rich.get(), format, 932));
        std::size_t next = 0;
        return SECONDSPERBENIGNBYTE(
            [&] { return METEREDIMPORT(exports[next++ % exports.size()], 0); });
    }();
    return METEREDIMPORT(json, seconds_per_byte);
}

// `count` copies of `element`, comma-separated, between `before` and `after`.
std::string REPEATED(const std::string& before, const std::string& element, std::size_t count,
                     const std::string& after) {
    std::string json = before;
    json.reserve(before.size() + count * (element.size() + 1) + after.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) json += ',';
        json += element;
    }
    return json + after;
}

} // namespace

TEST(HostileJson, ManySmallestRecordsAndValues) {
    const std::size_t count = MIB / 3;
    EXPECT_TRUE(
        WITHINBOUNDS(IMPORTCOST(REPEATED(R"({"format": 563, "pages": [)", "{}", count, "]}"))));
    EXPECT_TRUE(
        WITHINBOUNDS(IMPORTCOST(REPEATED(R"({"format": 563, "pages": [)", "0", count, "]}"))));
    EXPECT_TRUE(WITHINBOUNDS(
        IMPORTCOST(REPEATED(R"({"format": 566, "pages": [{"commands": [)", "{}", count, "]}]}"))));
    EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST(REPEATED(
        R"({"format": 566, "pages": [{"commands": [{"parameters": [)", "0", count, "]}]}]}"))));
    EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST(REPEATED(
        R"({"format": 564, "pages": [{"move_route": {"commands": [)", "{}", count, "]}}]}"))));
}

TEST(HostileJson, DeepNestingLongTextsAndNoise) {
    EXPECT_TRUE(
        WITHINBOUNDS(IMPORTCOST(R"({"format": 563, "name": )" + std::string(4 * MIB, '['))));
    EXPECT_TRUE(
        WITHINBOUNDS(IMPORTCOST(R"({"format": 563, "name": ")" + std::string(MIB, 'a') + "\"}")));
    std::string japanese;
    while (japanese.size() < MIB)
        japanese += "日本語";
    EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST(R"({"format": 563, "name": ")" + japanese + "\"}")));
    EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST(R"({"format": 578, "extra_chunks": {"2": ")" +
                                        std::string(2 * MIB, 'f') + "\"}}")));
    std::string noise(MIB, '\0');
    std::mt19937_64 random(11);
    for (char& byte : noise)
        byte = static_cast<char>(random());
    EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST(noise)));
    EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST("{" + noise)));
}

TEST(HostileJson, ImportedTreesGiveEveryBlockBackToItsOwnFamily) {
    const EVENTTREE rich = RICHEVENT();
    for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATNUMBERS)
        EXPECT_TRUE(WITHINBOUNDS(IMPORTCOST(EXPORT(rich.get(), format, 932))));
}
