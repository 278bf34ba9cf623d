// Bytes made to hurt: counts and lengths at their edges, endless numbers and
// noise. Every decode stays within the bounds of bounds.h.
#include "bounds.h"
#include "corpus.h"
#include "fixtures.h"
#include "hex.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

using namespace KESTREL;

namespace {

// 0, 1, 127, 128, 2^31-1, 2^31 and 2^32-1; the last two read back negative.
constexpr std::int32_t EDGEVALUES[] = {0, 1, 127, 128, INT_MAX, INT_MIN, -1};

// Decodes, writes the tree as every format and releases it: what that cost,
// the decode measured against `seconds_per_byte`.
READCOST METEREDDECODE(CLIPBOARDCONTENTTYPE format, const std::string& content,
                       double seconds_per_byte) {
    COSTMETER meter(content.size(), "format " + std::to_string(format), seconds_per_byte);
    EVENT* tree = DECODECONTENT(format, content);
    meter.READDONE();
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
        ENCODECONTENT(target, tree, 1, 0, -1);
    }
    DESTROYOBJECT(tree, 0, 1);
    return meter.COST();
}

// The benign input is the rich event in every format.
READCOST DECODECOST(CLIPBOARDCONTENTTYPE format, const std::string& content) {
    static const double seconds_per_byte = [] {
        const auto contents = RICHCONTENTS();
        std::size_t next = 0;
        return SECONDSPERBENIGNBYTE([&] {
            const auto& [rich_format, rich] = contents[next++ % contents.size()];
            return METEREDDECODE(rich_format, rich, 0);
        });
    }();
    return METEREDDECODE(format, content, seconds_per_byte);
}

std::string WITHLENGTHFIELD(std::string content) {
    return FRAMED(content.substr(std::min<std::size_t>(4, content.size())));
}

// Where the compressed number that starts at `offset` ends.
std::size_t NUMBEREND(const std::string& bytes, std::size_t offset) {
    while (offset < bytes.size() && (static_cast<std::uint8_t>(bytes[offset]) & 0x80))
        ++offset;
    return std::min(offset + 1, bytes.size());
}

// The 4-byte fields before the chunks: the length, then an id or page number.
std::size_t FIXEDFIELDBYTES(CLIPBOARDCONTENTTYPE format) {
    return HASNUMBERFIELD(EVENTFORMATOF(format)->framing) ? 8 : 4;
}

} // namespace

TEST(HostileNumbers, EveryNumberAloneAtEachEdgeValue) {
    for (const auto& [format, content] : RICHCONTENTS()) {
        for (std::size_t offset = FIXEDFIELDBYTES(format); offset < content.size(); ++offset) {
            const std::size_t end = NUMBEREND(content, offset);
            for (const std::int32_t value : EDGEVALUES) {
                EXPECT_TRUE(WITHINBOUNDS(DECODECOST(
                    format, WITHLENGTHFIELD(content.substr(0, offset) + ENCODENUMBER(value) +
                                            content.substr(end)))));
            }
        }
    }
}

TEST(HostileNumbers, EveryNumberTogetherAtEachEdgeValue) {
    for (const auto& [format, content] : RICHCONTENTS()) {
        for (const std::int32_t value : EDGEVALUES) {
            std::string mutated = content.substr(0, FIXEDFIELDBYTES(format));
            for (std::size_t offset = mutated.size(); offset < content.size();
                 offset = NUMBEREND(content, offset)) {
                mutated += ENCODENUMBER(value);
            }
            EXPECT_TRUE(WITHINBOUNDS(DECODECOST(format, WITHLENGTHFIELD(mutated))));
        }
    }
}

TEST(HostileNumbers, TheFixedFieldsAtEachEdgeValue) {
    for (const auto& [format, content] : RICHCONTENTS()) {
        for (const std::int32_t value : EDGEVALUES) {
            for (std::size_t field = 0; field < FIXEDFIELDBYTES(format); field += 4) {
                std::string mutated = content;
                BYTESTRING bytes;
                APPENDLONG(bytes, value);
                mutated.replace(field, 4, bytes);
                EXPECT_TRUE(WITHINBOUNDS(DECODECOST(format, mutated)));
            }
        }
    }
}

TEST(HostileNumbers, SixteenMebibytesOfOneByteOrOfNoise) {
    const std::size_t size = 16 * MIB;
    std::string noise(size, '\0');
    std::mt19937_64 random(7);
    for (char& byte : noise)
        byte = static_cast<char>(random());
    for (const std::string& bytes : {std::string(size, '\xFF'), std::string(size, '\x80'), noise}) {
        for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATNUMBERS) {
            EXPECT_TRUE(WITHINBOUNDS(DECODECOST(format, bytes)));
            EXPECT_TRUE(WITHINBOUNDS(DECODECOST(format, WITHLENGTHFIELD(bytes))));
        }
    }
}

TEST(HostileNumbers, ManyPagesAndCommandsInFewBytes) {
    // A page list announcing 2^31-1 pages, followed by bare page numbers.
    std::string pages = HEX("00 05 87 FF FF FF 7F 87 FF FF FF 7F");
    pages += std::string(4 * MIB, '\x01');
    EXPECT_TRUE(WITHINBOUNDS(DECODECOST(CB_MAPEVENT, FRAMED(pages))));
    // The smallest commands there are, four bytes each.
    std::string commands;
    for (int i = 0; i < 1 << 20; ++i)
        commands += HEX("0A 00 00 00");
    EXPECT_TRUE(WITHINBOUNDS(DECODECOST(CB_EVENTCOMMANDS, FRAMED(commands))));
    // The smallest move steps there are, one byte each, in a page's own route.
    std::string route = HEX("29 87 FF FF FF 7F 0C 87 FF FF FF 7F") + std::string(4 * MIB, '\x01');
    EXPECT_TRUE(WITHINBOUNDS(DECODECOST(CB_MAPEVENTPAGE, FRAMED(HEX("01 00 00 00") + route))));
}

#if PAGEWRIGHT_COUNTING_ALLOCATOR
TEST(AllocationFamilies, DecodedTreesGiveEveryBlockBackToItsOwnFamily) {
    for (const auto& [format, content] : RICHCONTENTS())
        EXPECT_TRUE(WITHINBOUNDS(DECODECOST(format, content)));
    for (const CORPUSFILE& file : CORPUSFILES()) {
        EXPECT_TRUE(WITHINBOUNDS(
            DECODECOST(static_cast<CLIPBOARDCONTENTTYPE>(file.format), FILEBYTES(file.path))));
    }
}

TEST(AllocationFamiliesDeathTest, AMixUpStopsTheProgram) {
    // Through a volatile pointer, so that the compiler cannot see the mix-up.
    void* volatile array = ::operator new[](8);
    EXPECT_DEATH(::operator delete(array),
                 "made by operator new\\[\\] released as one made by operator new");
    void* volatile single = ::operator new(8);
    EXPECT_DEATH(std::free(single), "made by operator new released as one made by malloc");
    ::operator delete[](array);
    ::operator delete(single);
}
#endif
