// Real event data through the listing: every file of the corpus, listed in
// its game's code page and read back, gives the bytes that the encoders write
// for the decoded tree, as its own format and as every other, and so does it
// with a name beside every id. Few of its command lines take the fallback
// form.
#include "corpus_fixture.h"
#include "event_listing.h"
#include "json_trees.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

// The games' own code pages: Shift-JIS where their texts are Japanese.
std::uint32_t GAMECODEPAGE(const CORPUSFILE& file) {
    const std::string game = file.path.parent_path().parent_path().filename().string();
    return game == "interpretertestgame" || game == "testgame-maniac" ? 932 : 1252;
}

bool ISCOMMANDLINE(const std::string& line) {
    const std::size_t start = line.find_first_not_of(' ');
    return start != std::string::npos && (line.compare(start, 2, "<>") == 0 || line[start] == ':');
}

// Names every id with a name that holds what else a listing line holds.
class EVERYIDNAMED final : public IDNAMES {
public:
    const std::string* NAMEOF(IDKIND, std::int32_t) const override { return &name_; }

private:
    const std::string name_ = "Ö, \"x\" <>: [V 1] ON";
};

} // namespace

TEST_F(Corpus, EveryFileComesBackThroughItsListingAsItsOwnFormatAndEveryOther) {
    long lines = 0;
    long fallbacks = 0;
    std::map<std::string, long> fallback_codes;
    for (const CORPUSFILE& file : files_) {
        const auto format = static_cast<CLIPBOARDCONTENTTYPE>(file.format);
        const EVENTTREE tree = DECODE(format, FILEBYTES(file.path));
        const CODEPAGE& codepage = OPENCODEPAGE(GAMECODEPAGE(file));
        const std::string listing = LISTEVENT(format, *tree, codepage);
        LISTEDEVENT listed;
        try {
            listed = READLISTING(listing, codepage);
        } catch (const LISTINGERROR& fault) {
            ADD_FAILURE() << file.path << ":" << fault.what();
            continue;
        }
        ASSERT_EQ(listed.format, format) << file.path;
        for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
            EXPECT_EQ(ENCODE(target, listed.tree.get()), ENCODE(target, tree.get()))
                << file.path << " as " << target;
        }
        const EVERYIDNAMED names;
        const std::string named = LISTEVENT(format, *tree, codepage, &names);
        EXPECT_EQ(ENCODE(format, READLISTING(named, codepage).tree.get()),
                  ENCODE(format, tree.get()))
            << file.path << " with names";
        EXPECT_EQ(std::count(named.begin(), named.end(), '\n'),
                  std::count(listing.begin(), listing.end(), '\n'))
            << file.path << " with names";
        std::istringstream text(listing);
        for (std::string line; std::getline(text, line);) {
            if (!ISCOMMANDLINE(line)) continue;
            ++lines;
            const std::size_t fallback = line.find("<>@");
            if (fallback != std::string::npos) {
                ++fallbacks;
                ++fallback_codes[line.substr(fallback + 3,
                                             line.find(' ', fallback) - fallback - 3)];
            }
        }
    }
    const double share =
        lines ? 100.0 * static_cast<double>(fallbacks) / static_cast<double>(lines) : 0;
    std::printf("%zu files, %ld command lines, %ld in the fallback form (%.2f%%)\n", files_.size(),
                lines, fallbacks, share);
    for (const auto& [code, count] : fallback_codes)
        std::printf("  %s: %ld\n", code.c_str(), count);
    EXPECT_LT(share, 2.0);
}
