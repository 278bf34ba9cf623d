// Valid content cut short anywhere decodes as far as it goes, and whatever was
// decoded can be written as every format. The sanitizer build checks that no
// byte outside a buffer is touched and nothing leaks.
#include "corpus.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace KESTREL;

namespace {

// Decodes the content cut at every `step`-th offset and writes each tree as
// every format, or only as its own when `every_format` is off.
void DECODEPREFIXES(CLIPBOARDCONTENTTYPE format, const std::string& content, std::size_t step,
                    bool every_format) {
    for (std::size_t cut = 0; cut <= content.size(); cut += step) {
        const EVENTTREE tree(DECODECONTENT(format, BYTEVIEW(content).substr(0, cut)));
        ASSERT_EQ(tree == nullptr, cut == 0) << format << " cut at " << cut;
        if (!tree) continue;
        for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
            if (!every_format && target != format) continue;
            const std::string written = ENCODE(target, tree.get());
            ASSERT_EQ(FRAMED(written.substr(4)), written) << format << " cut at " << cut;
        }
    }
}

} // namespace

TEST(Truncation, TheRichFixtureCutAtEveryOffset) {
    for (const auto& [format, content] : RICHCONTENTS())
        DECODEPREFIXES(format, content, 1, true);
}

TEST(Truncation, TheRichFixtureRoundTrips) {
    for (const auto& [format, content] : RICHCONTENTS()) {
        EXPECT_EQ(ENCODE(format, DECODE(format, content).get()), content) << format;
    }
}

// Every offset of every file costs the sum of the squares of their sizes, far
// more than a test run can spend on the largest files. So small files are cut
// at every offset and larger ones at 256 offsets spread over them;
// PAGEWRIGHT_EXHAUSTIVE=1 cuts every file at every offset.
TEST(Truncation, CorpusFilesCutShort) {
    if (!CORPUSFOLDER()) GTEST_SKIP() << "PAGEWRIGHT_CORPUS is not set; no real data to cut";
    const bool exhaustive = std::getenv("PAGEWRIGHT_EXHAUSTIVE") != nullptr;
    constexpr std::size_t EVERYOFFSETUPTO = 512;
    constexpr std::size_t SPREADCUTS = 256;
    for (const CORPUSFILE& file : CORPUSFILES()) {
        const std::string content = FILEBYTES(file.path);
        const std::size_t step =
            exhaustive || content.size() <= EVERYOFFSETUPTO ? 1 : content.size() / SPREADCUTS;
        DECODEPREFIXES(static_cast<CLIPBOARDCONTENTTYPE>(file.format), content, step, false);
    }
}
