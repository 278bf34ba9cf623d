// Real event data made by the editor: every file decodes into what its
// manifest says, and comes back as the editor wrote it or, where the writer
// drops what the reader keeps, reaches a fixed point after one round.
#include "corpus_fixture.h"
#include "formats/commandlist.h"
#include "trees.h"

#include <gtest/gtest.h>

#include <map>

using namespace KESTREL;

namespace {

// An independent walk over the chunks of editor data, whose declared lengths
// are exact, to find the command list bytes of every page as the editor wrote
// them.
struct CHUNKWALKER {
    const std::string& data;
    std::size_t position;

    std::uint32_t NUMBER() {
        std::uint32_t value = 0;
        while (position < data.size()) {
            const auto byte = static_cast<std::uint8_t>(data[position++]);
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80)) break;
        }
        return value;
    }

    // Payloads of the chunks up to id 0, by id.
    std::map<std::uint32_t, std::string> CHUNKS() {
        std::map<std::uint32_t, std::string> chunks;
        while (position < data.size()) {
            const std::uint32_t id = NUMBER();
            if (id == 0) break;
            const std::uint32_t length = NUMBER();
            chunks[id] = data.substr(position, length);
            position += length;
        }
        return chunks;
    }
};

std::vector<std::string> PAGELISTCOMMANDS(const std::string& list, std::uint32_t commands_id) {
    std::vector<std::string> lists;
    CHUNKWALKER walker{list, 0};
    const std::uint32_t count = walker.NUMBER();
    for (std::uint32_t i = 0; i < count && walker.position < list.size(); ++i) {
        walker.NUMBER();
        lists.push_back(walker.CHUNKS()[commands_id]);
    }
    return lists;
}

std::vector<std::string> EDITORCOMMANDLISTS(int format, const std::string& content) {
    const std::string body = content.substr(4);
    switch (format) {
    case CB_MAPEVENT:
        return PAGELISTCOMMANDS(CHUNKWALKER{body, 1}.CHUNKS()[5], 52);
    case CB_MAPEVENTPAGE:
        return {CHUNKWALKER{body, 4}.CHUNKS()[52]};
    case CB_BATTLEEVENTPAGE:
        return {CHUNKWALKER{body, 4}.CHUNKS()[12]};
    case CB_EVENTCOMMANDS:
        return {body};
    case CB_MONSTERGROUP:
        return PAGELISTCOMMANDS(CHUNKWALKER{body, 4}.CHUNKS()[11], 12);
    default:
        return {CHUNKWALKER{body, 4}.CHUNKS()[22]};
    }
}

long COMMANDCOUNT(const EVENT& event) {
    long commands = 0;
    for (int i = 0; i < event.page_count; ++i)
        commands += event.pages[i].command_count;
    return commands;
}

std::vector<CLIPBOARDCONTENTTYPE> CONVERTERTARGETS(int format) {
    switch (format) {
    case CB_MAPEVENT:
        return {CB_MONSTERGROUP};
    case CB_MAPEVENTPAGE:
        return {CB_BATTLEEVENTPAGE};
    case CB_BATTLEEVENTPAGE:
        return {CB_MAPEVENTPAGE};
    case CB_MONSTERGROUP:
        return {CB_MAPEVENT};
    case CB_COMMONEVENT:
        return {CB_BATTLEEVENTPAGE};
    default:
        return {CB_MAPEVENT, CB_MAPEVENTPAGE, CB_MONSTERGROUP, CB_BATTLEEVENTPAGE, CB_COMMONEVENT};
    }
}

} // namespace

TEST_F(Corpus, EveryFileDecodesIntoTheCountsOfItsManifest) {
    for (const CORPUSFILE& file : files_) {
        const std::string content = FILEBYTES(file.path);
        const auto format = static_cast<CLIPBOARDCONTENTTYPE>(file.format);
        const EVENTTREE tree = DECODE(format, content);
        ASSERT_TRUE(tree) << file.path;
        EXPECT_EQ(tree->page_count, file.pages) << file.path;
        EXPECT_EQ(COMMANDCOUNT(*tree), file.commands) << file.path;
    }
}

TEST_F(Corpus, OneRoundReachesAFixedPointAndCommandListsComeBackAsWritten) {
    for (const CORPUSFILE& file : files_) {
        const std::string content = FILEBYTES(file.path);
        const auto format = static_cast<CLIPBOARDCONTENTTYPE>(file.format);
        const EVENTTREE tree = DECODE(format, content);
        const std::string first = ENCODE(format, tree.get());
        if (format == CB_EVENTCOMMANDS) {
            EXPECT_EQ(first, content) << file.path;
        }
        EXPECT_EQ(ENCODE(format, DECODE(format, first).get()), first) << file.path;

        const std::vector<std::string> lists = EDITORCOMMANDLISTS(file.format, content);
        ASSERT_EQ(lists.size(), static_cast<std::size_t>(tree->page_count)) << file.path;
        for (int i = 0; i < tree->page_count; ++i) {
            BYTESTRING written;
            WRITECOMMANDLIST(written, tree->pages[i]);
            EXPECT_EQ(written, lists[static_cast<std::size_t>(i)]) << file.path << " page " << i;
        }
    }
}

TEST_F(Corpus, EveryConversionOfTheConverterGivesContentThatDecodesAgain) {
    int conversions = 0;
    for (const CORPUSFILE& file : files_) {
        const auto format = static_cast<CLIPBOARDCONTENTTYPE>(file.format);
        const EVENTTREE tree = DECODE(format, FILEBYTES(file.path));
        for (const CLIPBOARDCONTENTTYPE target : CONVERTERTARGETS(file.format)) {
            const std::string converted = ENCODE(target, tree.get());
            ASSERT_GE(converted.size(), 4u);
            EXPECT_EQ(FRAMED(converted.substr(4)), converted) << file.path << " as " << target;
            const EVENTTREE again = DECODE(target, converted);
            ASSERT_TRUE(again) << file.path << " as " << target;
            const bool single_page = target != CB_MAPEVENT && target != CB_MONSTERGROUP;
            EXPECT_EQ(COMMANDCOUNT(*again),
                      single_page ? tree->pages[0].command_count : COMMANDCOUNT(*tree))
                << file.path << " as " << target;
            ++conversions;
        }
    }
    RecordProperty("conversions", conversions);
}
