// Bytes made to hurt: counts and lengths at their edges, endless numbers and
// noise. Every decode ends within 5 s of processor time, holds at most 128
// bytes per input byte plus 1 MiB at once, and gives every block back to the
// family that made it (where this binary counts allocations; the sanitizer
// build checks the rest).
#include "corpus.h"
#include "fixtures.h"
#include "hex.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <random>

#if PAGEWRIGHT_COUNTING_ALLOCATOR
#include "allocation_tracker.h"
#endif

using namespace KESTREL;

namespace {

// 0, 1, 127, 128, 2^31-1, 2^31 and 2^32-1; the last two read back negative.
constexpr std::int32_t EDGEVALUES[] = {0, 1, 127, 128, INT_MAX, INT_MIN, -1};

constexpr std::size_t MIB = std::size_t{1} << 20;

// Processor time, which other work on the machine does not inflate, with room
// for the sanitizer build. A decode that grew quadratically or looped would
// take minutes on these inputs; the decoders' own speed is the benchmarks'.
constexpr double CPUSECONDS = 5;

#if PAGEWRIGHT_COUNTING_ALLOCATOR
// The most bytes held per input byte by decodes of a MiB or more, where the
// fixed allowance no longer hides the ratio; printed when the tests end.
double largest_ratio = 0;

class RATIOREPORT : public testing::Environment {
public:
    void TearDown() override {
        std::printf("largest allocation ratio of inputs of 1 MiB or more: %.1f bytes per "
                    "input byte\n",
                    largest_ratio);
    }
};
const auto* const ratio_report = testing::AddGlobalTestEnvironment(new RATIOREPORT);
#endif

// Decodes, writes the tree as every format, releases it, and checks the
// bounds of the decoding.
void DECODEWITHINBOUNDS(CLIPBOARDCONTENTTYPE format, const std::string& content) {
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    const std::size_t before = ALLOCATEDBYTES();
    RESETPEAKALLOCATEDBYTES();
#endif
    const std::clock_t start = std::clock();
    EVENT* tree = DECODECONTENT(format, content);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, CPUSECONDS) << format << ", " << content.size() << " bytes";
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    const std::size_t peak = PEAKALLOCATEDBYTES() - before;
    EXPECT_LE(peak, 128 * content.size() + MIB) << format << ", " << content.size() << " bytes";
    if (content.size() >= MIB) {
        largest_ratio = std::max(largest_ratio,
                                 static_cast<double>(peak) / static_cast<double>(content.size()));
    }
#endif
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATS) {
        ENCODECONTENT(target, tree, 1, 0, -1);
    }
    DESTROYOBJECT(tree, 0, 1);
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    EXPECT_EQ(ALLOCATEDBYTES(), before) << "a decoded tree leaked";
#endif
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
    return format == CB_MAPEVENT || format == CB_EVENTCOMMANDS ? 4 : 8;
}

} // namespace

TEST(HostileNumbers, EveryNumberAloneAtEachEdgeValue) {
    for (const auto& [format, content] : RICHCONTENTS()) {
        for (std::size_t offset = FIXEDFIELDBYTES(format); offset < content.size(); ++offset) {
            const std::size_t end = NUMBEREND(content, offset);
            for (const std::int32_t value : EDGEVALUES) {
                DECODEWITHINBOUNDS(format,
                                   WITHLENGTHFIELD(content.substr(0, offset) + ENCODENUMBER(value) +
                                                   content.substr(end)));
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
            DECODEWITHINBOUNDS(format, WITHLENGTHFIELD(mutated));
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
                DECODEWITHINBOUNDS(format, mutated);
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
        for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATS) {
            DECODEWITHINBOUNDS(format, bytes);
            DECODEWITHINBOUNDS(format, WITHLENGTHFIELD(bytes));
        }
    }
}

TEST(HostileNumbers, ManyPagesAndCommandsInFewBytes) {
    // A page list announcing 2^31-1 pages, followed by bare page numbers.
    std::string pages = HEX("00 05 87 FF FF FF 7F 87 FF FF FF 7F");
    pages += std::string(4 * MIB, '\x01');
    DECODEWITHINBOUNDS(CB_MAPEVENT, FRAMED(pages));
    // The smallest commands there are, four bytes each.
    std::string commands;
    for (int i = 0; i < 1 << 20; ++i)
        commands += HEX("0A 00 00 00");
    DECODEWITHINBOUNDS(CB_EVENTCOMMANDS, FRAMED(commands));
    // The smallest move steps there are, one byte each, in a page's own route.
    std::string route = HEX("29 87 FF FF FF 7F 0C 87 FF FF FF 7F") + std::string(4 * MIB, '\x01');
    DECODEWITHINBOUNDS(CB_MAPEVENTPAGE, FRAMED(HEX("01 00 00 00") + route));
}

#if PAGEWRIGHT_COUNTING_ALLOCATOR
TEST(AllocationFamilies, DecodedTreesGiveEveryBlockBackToItsOwnFamily) {
    for (const auto& [format, content] : RICHCONTENTS())
        DECODEWITHINBOUNDS(format, content);
    for (const CORPUSFILE& file : CORPUSFILES()) {
        DECODEWITHINBOUNDS(static_cast<CLIPBOARDCONTENTTYPE>(file.format), READFILE(file.path));
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
