// PO files made to hurt the reader: the most entries, comments and string
// pieces a size allows, long lines of escapes, and noise. Every read stays
// within the bounds of bounds.h.
#include "bounds.h"
#include "po_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace PAGEWRIGHT;

namespace {

READCOST METEREDREAD(const std::string& bytes, double seconds_per_byte) {
    COSTMETER meter(bytes.size(), bytes.substr(0, 40), seconds_per_byte);
    std::optional<POFILE> file;
    try {
        file = READPO(bytes);
    } catch (const POERROR&) {
    }
    meter.READDONE();
    file.reset();
    return meter.COST();
}

// The benign input is a translated file of message boxes as the export writes
// them.
READCOST READCOSTOF(const std::string& bytes) {
    static const double seconds_per_byte = [] {
        POFILE benign;
        for (int i = 0; i < 100; ++i) {
            POENTRY entry;
            entry.extracted_comments = {"a message"};
            entry.references = {"map1/event" + std::to_string(i) + "/page1/commands:3"};
            entry.msgid = "Line one of box " + std::to_string(i) + "\nand its second line";
            entry.msgstr = "Zeile eins, Kasten " + std::to_string(i) + "\nund die zweite";
            benign.messages.push_back(entry);
        }
        const std::string bytes = WRITEPO(benign);
        return SECONDSPERBENIGNBYTE([&] { return METEREDREAD(bytes, 0); });
    }();
    return METEREDREAD(bytes, seconds_per_byte);
}

std::string REPEATED(const std::string& before, const std::string& part, std::size_t count,
                     const std::string& after) {
    std::string bytes = before;
    bytes.reserve(before.size() + count * part.size() + after.size());
    for (std::size_t i = 0; i < count; ++i)
        bytes += part;
    return bytes + after;
}

} // namespace

TEST(HostilePo, TheMostEntriesCommentsAndPieces) {
    std::string entries;
    for (std::size_t i = 0; entries.size() < 4 * MIB; ++i)
        entries += "msgid\"" + std::to_string(i) + "\"\nmsgstr\"\"\n";
    EXPECT_TRUE(WITHINBOUNDS(READCOSTOF(entries)));
    const std::string entry = "msgid \"a\"\nmsgstr \"\"\n";
    EXPECT_TRUE(WITHINBOUNDS(READCOSTOF(REPEATED("", "#\n", MIB, entry))));
    EXPECT_TRUE(WITHINBOUNDS(READCOSTOF(REPEATED("#:", " a", MIB, "\n" + entry))));
    EXPECT_TRUE(
        WITHINBOUNDS(READCOSTOF(REPEATED("msgid \"\"\n", "\"a\"\n", MIB, "msgstr \"\"\n"))));
}

TEST(HostilePo, LongLinesAndNoise) {
    EXPECT_TRUE(WITHINBOUNDS(READCOSTOF(REPEATED("msgid \"", "\\n", MIB, "\"\nmsgstr \"\"\n"))));
    EXPECT_TRUE(WITHINBOUNDS(READCOSTOF(REPEATED("msgid \"", "日本語", MIB, "\n"))));
    std::string noise(MIB, '\0');
    std::mt19937_64 random(11);
    for (char& byte : noise)
        byte = static_cast<char>(random());
    EXPECT_TRUE(WITHINBOUNDS(READCOSTOF(noise)));
}
