// Edits of a file's bytes: the chunks around each edit take their new
// lengths, a command list's size chunk its list's new size, and edits that do
// not fit the bytes are refused.
#include "file_edits.h"
#include "game_fixtures.h"
#include "hex.h"

#include <gtest/gtest.h>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

// The chunk as the reader gives it, read where it begins in `bytes`.
CHUNK CHUNKAT(const std::string& bytes, std::size_t header) {
    CHUNKREADER reader(bytes);
    reader.BYTES(static_cast<std::int32_t>(header));
    CHUNK chunk;
    reader.NEXTCHUNK(chunk);
    return chunk;
}

// A file of a kind name and one outer chunk holding a size chunk and a list
// chunk, the list of `list` bytes, and a chunk after them.
std::string SIZEDFILE(const std::string& list) {
    return "\x03Lcf" +
           GAMECHUNK(0x51, GAMECHUNK(0x0B, ENCODENUMBER(static_cast<std::int32_t>(list.size()))) +
                               GAMECHUNK(0x0C, list) + GAMECHUNK(0x0D, "after")) +
           GAMECHUNK(0x5B, "\x07");
}

// What replaces the first four bytes of an entry's text: every seventh
// widens its length.
std::string REPLACEMENT(int id) {
    return id % 7 == 0 ? std::string(130, 't') : "T";
}

} // namespace

// A list that grows past 127 bytes widens its length and its size, and the
// chunk around them grows by all of it; the chunk after them stays.
TEST(FileEdits, EnclosingLengthsAndSizesFollowTheirPayloads) {
    const std::string before = SIZEDFILE("abc");
    const CHUNK outer = CHUNKAT(before, 4);
    const CHUNK size = CHUNKAT(before, 6);
    const CHUNK list = CHUNKAT(before, 9);
    ASSERT_EQ(list.id, 0x0C);
    const std::string grown(200, 'x');
    EDIT edit{list.payload + 1, list.payload + 2, grown, {outer, list}, size};
    EXPECT_EQ(TOHEX(APPLYEDITS(before, {edit}).value()), TOHEX(SIZEDFILE("a" + grown + "c")));

    edit.bytes.clear();
    EXPECT_EQ(APPLYEDITS(before, {edit}).value(), SIZEDFILE("ac"));
    // The top level's own chunk, and an edit of nothing that changes nothing.
    const CHUNK counter = CHUNKAT(before, before.size() - 3);
    ASSERT_EQ(counter.id, 0x5B);
    const EDIT raised{counter.payload, counter.payload + 1, ENCODENUMBER(300), {counter}, {}};
    const EDIT none{list.payload, list.payload + 3, "abc", {outer, list}, size};
    const std::string after = APPLYEDITS(before, {none, raised}).value();
    EXPECT_EQ(after, before.substr(0, before.size() - 3) + GAMECHUNK(0x5B, ENCODENUMBER(300)));
}

// Thousands of edits in one list, each inside an entry's chunk, some widening
// it, and insertions before, between and after the entries, in their order.
TEST(FileEdits, ManyEditsInOneFileApplyInOnePass) {
    constexpr int ENTRIES = 20000;
    std::string entries;
    std::string expected;
    std::vector<std::size_t> headers;
    for (int id = 0; id < ENTRIES; ++id) {
        headers.push_back(entries.size());
        entries += GAMECHUNK(1, "text" + std::to_string(id));
        expected += (id == 5 ? "[" : "") + GAMECHUNK(1, REPLACEMENT(id) + std::to_string(id)) +
                    (id == 5 ? "]|" : "");
    }
    const std::string before = "\x02Lc" + GAMECHUNK(0x51, entries) + std::string(1, '\0');
    const std::size_t head = before.size() - 1 - entries.size();
    const CHUNK list = CHUNKAT(before, 3);
    std::vector<EDIT> edits;
    for (int id = 0; id < ENTRIES; ++id) {
        const CHUNK text = CHUNKAT(before, head + headers[static_cast<std::size_t>(id)]);
        edits.push_back({text.payload, text.payload + 4, REPLACEMENT(id), {list, text}, {}});
    }
    const std::int64_t sixth = static_cast<std::int64_t>(head + headers[6]);
    edits.push_back({sixth, sixth, "]", {list}, {}});
    edits.push_back({sixth, sixth, "|", {list}, {}});
    edits.push_back({static_cast<std::int64_t>(head + headers[5]),
                     static_cast<std::int64_t>(head + headers[5]),
                     "[",
                     {list},
                     {}});
    const std::string after = APPLYEDITS(before, edits).value();
    EXPECT_EQ(after, "\x02Lc" + GAMECHUNK(0x51, expected) + std::string(1, '\0'));
}

TEST(FileEdits, EditsThatDoNotFitTheBytesAreRefused) {
    const std::string before = SIZEDFILE("abcdef");
    const CHUNK outer = CHUNKAT(before, 4);
    const CHUNK size = CHUNKAT(before, 6);
    const CHUNK list = CHUNKAT(before, 9);
    const std::int64_t at = list.payload;
    CHUNK moved = list;
    moved.payload += 1;
    CHUNK longer = outer;
    longer.length += 1;
    const std::vector<std::vector<EDIT>> refused = {
        // regions that overlap, or an edit over a chunk's header
        {{at, at + 2, "x", {outer, list}, {}}, {at + 1, at + 3, "y", {outer, list}, {}}},
        {{at + 1, at + 1, "x", {outer, list}, {}}, {at, at + 2, "y", {outer, list}, {}}},
        {{list.header, at + 1, "x", {outer}, {}}, {at + 2, at + 3, "y", {outer, list}, {}}},
        // a region outside its chunk, and chunks that are not where said
        {{at, at + 7, "x", {outer, list}, {}}},
        {{size.payload, size.payload, "x", {outer, list}, {}}},
        {{at, at + 1, "x", {outer, moved}, {}}},
        {{at, at + 1, "x", {longer, list}, {}}},
        {{at, at + 1, "x", {list, outer}, {}}},
        {{at, at + 1, "x", {outer, list}, {}}, {at + 2, at + 3, "x", {list}, {}}},
        // a size chunk edited itself, or not beside its list
        {{at, at + 1, "x", {outer, list}, size},
         {size.payload, size.payload + 1, "", {outer, size}, {}}},
        {{at, at + 1, "x", {outer, list}, outer}},
        {{at, at + 1, "x", {outer, list}, list}},
    };
    for (const std::vector<EDIT>& edits : refused) {
        EXPECT_FALSE(APPLYEDITS(before, edits)) << edits.size() << " from " << edits[0].begin;
    }
}
