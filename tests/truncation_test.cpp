// Valid content cut short anywhere decodes as far as it goes, and whatever was
// decoded can be written as every format. The sanitizer build checks that no
// byte outside a buffer is touched and nothing leaks.
#include "corpus.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace KESTREL;

namespace {

constexpr CLIPBOARDCONTENTTYPE EVENTFORMATS[] = {CB_MAPEVENT,        CB_MAPEVENTPAGE,
                                                 CB_BATTLEEVENTPAGE, CB_EVENTCOMMANDS,
                                                 CB_MONSTERGROUP,    CB_COMMONEVENT};

void DECODEEVERYPREFIX(CLIPBOARDCONTENTTYPE format, const std::string& content) {
    for (std::size_t cut = 0; cut <= content.size(); ++cut) {
        const TREE tree = DECODE(format, content.substr(0, cut));
        ASSERT_EQ(tree == nullptr, cut == 0) << format << " cut at " << cut;
        if (!tree) continue;
        for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATS) {
            const std::string written = ENCODE(target, tree.get());
            ASSERT_EQ(FRAMED(written.substr(4)), written) << format << " cut at " << cut;
        }
    }
}

} // namespace

TEST(Truncation, TheRichFixtureCutAtEveryOffset) {
    for (const auto& [format, content] : RICHCONTENTS())
        DECODEEVERYPREFIX(format, content);
}

TEST(Truncation, TheRichFixtureRoundTrips) {
    for (const auto& [format, content] : RICHCONTENTS()) {
        EXPECT_EQ(ENCODE(format, DECODE(format, content).get()), content) << format;
    }
}

TEST(Truncation, CorpusFilesCutAtEveryOffset) {
    if (!CORPUSFOLDER()) GTEST_SKIP() << "PAGEWRIGHT_CORPUS is not set; no real data to cut";
    // One file of each format and game keeps this within seconds; the
    // sanitizer build runs it too.
    std::vector<std::string> seen;
    for (const CORPUSFILE& file : CORPUSFILES()) {
        const std::string key = file.path.parent_path().string();
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        DECODEEVERYPREFIX(static_cast<CLIPBOARDCONTENTTYPE>(file.format), READFILE(file.path));
    }
}
