// Whole clipboard contents: the framing of each format, what a tree takes from
// each, and what each target takes from a tree.
#include "hex.h"
#include "trees.h"

#include <gtest/gtest.h>

using namespace KESTREL;
using namespace std::string_literals;

namespace {

const char* const DEFAULTBATTLEBODY = "02 05 01 02 00 00 00 0B 01 04 0C 04 00 00 00 00 00";

std::string CONTENT(const std::string& body_hex) {
    return FRAMED(HEX(body_hex));
}

std::string BODYHEX(const std::string& content) {
    return TOHEX(content.substr(4));
}

void SETINDENTS(EVENTPAGE& page, std::initializer_list<int> indents) {
    for (const int indent : indents)
        ADDCOMMAND(page, 10, indent, nullptr, {});
}

} // namespace

TEST(Decoding, NothingComesFromEmptyContentOrAnUnknownFormat) {
    for (const auto format : {CB_TEXT, CB_MAPEVENT, CB_MAPEVENTPAGE, CB_BATTLEEVENTPAGE,
                              CB_EVENTCOMMANDS, CB_MONSTERGROUP, CB_COMMONEVENT}) {
        EXPECT_EQ(DECODECONTENT(format, ""), nullptr) << format;
    }
    EXPECT_EQ(DECODECONTENT(static_cast<CLIPBOARDCONTENTTYPE>(2), CONTENT("00")), nullptr);
    EXPECT_EQ(DECODECONTENT(static_cast<CLIPBOARDCONTENTTYPE>(600), CONTENT("00")), nullptr);
}

TEST(Decoding, TextIsCopiedWholeWithATerminator) {
    const std::string block("ab\0c", 4);
    char* text = reinterpret_cast<char*>(DECODECONTENT(CB_TEXT, block));
    EXPECT_EQ(std::string(text, 5), std::string("ab\0c\0", 5));
    std::free(text);
}

TEST(Decoding, AMapEventTakesNamePositionAndPages) {
    // Lead byte 7, name "Ev", x 3, y 4, an unknown chunk 4, then two pages that
    // come numbered 2 and 1.
    const EVENTTREE event =
        DECODE(CB_MAPEVENT, CONTENT("07 01 02 45 76 02 01 03 03 01 04 04 02 AA BB "
                                    "05 0B 02 02 21 01 02 00 01 21 01 01 00 00"));
    ASSERT_TRUE(event);
    EXPECT_EQ(event->kind, EK_MAP);
    EXPECT_STREQ(event->name, "Ev");
    EXPECT_EQ(event->x, 3);
    EXPECT_EQ(event->y, 4);
    ASSERT_EQ(event->page_count, 2);
    EXPECT_EQ(event->pages[0].number, 1);
    EXPECT_EQ(event->pages[0].trigger, 1);
    EXPECT_EQ(event->pages[1].trigger, 2);
    EXPECT_EQ(event->extra_chunks, nullptr);

    const EVENTTREE bare = DECODE(CB_MAPEVENT, CONTENT("00 01 00 00"));
    EXPECT_EQ(bare->page_count, 0);
    EXPECT_EQ(bare->pages, nullptr);
    EXPECT_STREQ(bare->name, "");
}

TEST(Decoding, APageListWithoutPagesStillReadsOverItsBodies) {
    for (const char* count : {"00", "8F FF FF FF 7F"}) {
        const std::string list = HEX(std::string(count) + " 01 21 01 01 00");
        const EVENTTREE event = DECODE(
            CB_MAPEVENT, FRAMED(HEX("00 05") + std::string(1, static_cast<char>(list.size())) +
                                list + HEX("02 01 09 00")));
        EXPECT_EQ(event->page_count, 0) << count;
        EXPECT_EQ(event->x, 9) << count;
    }
}

TEST(Decoding, LonePagesAndTheirNumberField) {
    const EVENTTREE map = DECODE(CB_MAPEVENTPAGE, CONTENT("03 00 00 00 21 01 04 00"));
    EXPECT_EQ(map->kind, EK_MAP);
    ASSERT_EQ(map->page_count, 1);
    EXPECT_EQ(map->pages[0].number, 3);
    EXPECT_EQ(map->pages[0].trigger, 4);

    const EVENTTREE battle =
        DECODE(CB_BATTLEEVENTPAGE, CONTENT("01 00 00 00 0C 04 0A 00 00 00 00"));
    EXPECT_EQ(battle->kind, EK_BATTLE);
    EXPECT_EQ(battle->pages[0].command_count, 1);

    // A field of -1 is a number below 1 like any other, not a request to read
    // the number from the page body.
    const EVENTTREE odd = DECODE(CB_MAPEVENTPAGE, CONTENT("FF FF FF FF 21 01 04 00"));
    EXPECT_EQ(odd->pages[0].number, 0);
    EXPECT_EQ(odd->pages[0].trigger, 0);
}

TEST(Decoding, EventCommandsBecomeOnePageWithADefaultCondition) {
    const EVENTTREE event =
        DECODE(CB_EVENTCOMMANDS, CONTENT("0A 00 00 00 0B 01 00 00 00 00 00 00"));
    EXPECT_EQ(event->kind, EK_COMMANDS);
    ASSERT_EQ(event->page_count, 1);
    EXPECT_EQ(event->pages[0].number, 1);
    ASSERT_NE(event->pages[0].condition, nullptr);
    EXPECT_EQ(event->pages[0].condition->switch_a_id, 1);
    EXPECT_EQ(event->pages[0].command_count, 2);
}

TEST(Decoding, AMonsterGroupKeepsWhatItDoesNotDecode) {
    const EVENTTREE group =
        DECODE(CB_MONSTERGROUP, CONTENT("09 00 00 00 01 01 47 02 02 00 AA 04 00 06 01 BB 05 01 01 "
                                        "05 02 CC DD 0B 01 00 00"));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->kind, EK_BATTLE);
    EXPECT_EQ(group->id, 9);
    EXPECT_STREQ(group->name, "G");
    ASSERT_NE(group->extra_chunks, nullptr);
    const auto& kept = group->extra_chunks->entries;
    EXPECT_EQ(kept[2], std::string("\0\xAA", 2));
    EXPECT_EQ(kept[4], "") << "an empty payload leaves the entry empty";
    EXPECT_EQ(kept[6], "\xBB");
    EXPECT_EQ(kept[5], "\xCC\xDD") << "the last chunk of an id wins";
    for (const int id : {0, 1, 3, 11, 12, 255})
        EXPECT_TRUE(kept[id].empty()) << id;

    const EVENTTREE far = DECODE(CB_MONSTERGROUP, CONTENT("01 00 00 00 82 2C 02 AA BB 00"));
    ASSERT_NE(far->extra_chunks, nullptr) << "created for a chunk id of 300 too";
    for (const auto& entry : far->extra_chunks->entries)
        EXPECT_TRUE(entry.empty());

    const EVENTTREE plain = DECODE(CB_MONSTERGROUP, CONTENT("01 00 00 00 01 00 00"));
    EXPECT_EQ(plain->extra_chunks, nullptr);
    EXPECT_EQ(plain->page_count, 0);
}

TEST(Decoding, NothingPastTheDeclaredContentIsRead) {
    // The kept chunk claims 6 bytes, but the content ends after 2 of them; the
    // rest of the block is the clipboard's padding.
    const std::string block = CONTENT("01 00 00 00 05 06 AA BB") + "\0junk!"s;
    const EVENTTREE group = DECODE(CB_MONSTERGROUP, block);
    EXPECT_EQ(group->extra_chunks->entries[5], "\xAA\xBB");

    // A length field that reaches past the block leaves the block's end as the end.
    std::string longer = HEX("FF 00 00 00 01 00 00 00 05 02 AA BB 00");
    const EVENTTREE cut = DECODE(CB_MONSTERGROUP, longer);
    EXPECT_EQ(cut->extra_chunks->entries[5], "\xAA\xBB");
}

TEST(Decoding, CommonEventTriggersAndTheirSwitch) {
    const auto TRIGGER = [](const char* value) {
        return DECODE(CB_COMMONEVENT, CONTENT(std::string("01 00 00 00 0B 01 ") + value + " 00"))
            ->pages[0]
            .trigger;
    };
    EXPECT_EQ(TRIGGER("03"), 3);
    EXPECT_EQ(TRIGGER("04"), 4);
    EXPECT_EQ(TRIGGER("05"), 0);
    EXPECT_EQ(TRIGGER("07"), 0);

    const EVENTTREE autostart =
        DECODE(CB_COMMONEVENT, CONTENT("05 00 00 00 01 01 43 0B 01 03 0C 01 01 "
                                       "0D 01 0C 15 01 63 16 04 0A 00 00 00 00"));
    EXPECT_EQ(autostart->kind, EK_COMMON);
    EXPECT_EQ(autostart->id, 5);
    EXPECT_STREQ(autostart->name, "C");
    EXPECT_EQ(autostart->pages[0].condition->flags, 1);
    EXPECT_EQ(autostart->pages[0].condition->switch_a_id, 12);
    EXPECT_EQ(autostart->pages[0].command_count, 1);

    const EVENTTREE called =
        DECODE(CB_COMMONEVENT, CONTENT("05 00 00 00 0B 01 05 0C 01 01 0D 01 0C "
                                       "16 04 0A 00 00 00 00"));
    EXPECT_EQ(called->pages[0].condition->flags, 0);
    EXPECT_EQ(called->pages[0].condition->switch_a_id, 12);
    EXPECT_EQ(called->pages[0].command_count, 1);
}

TEST(Encoding, EveryEventFormatLeadsWithTheLengthOfWhatFollows) {
    const EVENTTREE event = EVENTWITHPAGES(2);
    for (const auto format : EVENTFORMATNUMBERS) {
        const std::string content = ENCODE(format, event.get());
        EXPECT_EQ(FRAMED(content.substr(4)), content) << format;
    }
}

TEST(Encoding, PageSelectionIsBroughtIntoRange) {
    const EVENTTREE event = EVENTWITHPAGES(3);
    event->pages[0].trigger = 1;
    event->pages[2].trigger = 3;
    const auto TRIGGERWRITTEN = [&](int page) {
        return DECODE(CB_MAPEVENTPAGE, ENCODE(CB_MAPEVENTPAGE, event.get(), page))
            ->pages[0]
            .trigger;
    };
    EXPECT_EQ(TRIGGERWRITTEN(0), 1);
    EXPECT_EQ(TRIGGERWRITTEN(-4), 1);
    EXPECT_EQ(TRIGGERWRITTEN(9), 3);

    for (const auto format : {CB_MAPEVENT, CB_MONSTERGROUP}) {
        const EVENTTREE again = DECODE(format, ENCODE(format, event.get(), 2));
        EXPECT_EQ(again->page_count, 3) << format;
    }
}

TEST(Encoding, LonePagesCarryNumberOne) {
    const EVENTTREE event = EVENTWITHPAGES(2);
    EXPECT_EQ(BODYHEX(ENCODE(CB_BATTLEEVENTPAGE, event.get(), 2)),
              std::string("01 00 00 00 ") + DEFAULTBATTLEBODY);
    EXPECT_EQ(BODYHEX(ENCODE(CB_MAPEVENTPAGE, event.get(), 2)).substr(0, 11), "01 00 00 00");
}

TEST(Encoding, EventsWithoutPagesAsSingleOrManyPages) {
    const EVENTTREE event = EVENTWITHPAGES(0);
    EXPECT_EQ(BODYHEX(ENCODE(CB_BATTLEEVENTPAGE, event.get())),
              std::string("01 00 00 00 ") + DEFAULTBATTLEBODY);
    EXPECT_EQ(BODYHEX(ENCODE(CB_EVENTCOMMANDS, event.get())), "00 00 00 00");
    EXPECT_EQ(BODYHEX(ENCODE(CB_MONSTERGROUP, event.get())), "01 00 00 00 01 00 0B 01 00 00");
    EXPECT_EQ(BODYHEX(ENCODE(CB_MAPEVENT, event.get())), "00 01 00 02 01 00 03 01 00 05 01 00 00");
    EXPECT_EQ(BODYHEX(ENCODE(CB_COMMONEVENT, event.get())),
              "01 00 00 00 01 00 0B 01 05 15 01 04 16 04 00 00 00 00 00");
}

TEST(Encoding, ACommandSelectionIsReindentedAndLeavesThePageAlone) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    EVENTPAGE& page = event->pages[0];
    SETINDENTS(page, {0, 1, 2, 3, 2, 1, 0, 0, 0, 0});
    EXPECT_EQ(BODYHEX(ENCODE(CB_EVENTCOMMANDS, event.get(), 1, 2, 4)),
              "0A 00 00 00 0A 01 00 00 0A 00 00 00 00 00 00 00");
    EXPECT_EQ(page.commands[2].indent, 2);
    EXPECT_EQ(page.commands[3].indent, 3);

    const auto COMMANDS = [&](int first, int last) {
        return DECODE(CB_EVENTCOMMANDS, ENCODE(CB_EVENTCOMMANDS, event.get(), 1, first, last))
            ->pages[0]
            .command_count;
    };
    EXPECT_EQ(COMMANDS(0, -1), 10);
    EXPECT_EQ(COMMANDS(8, 50), 2);
    EXPECT_EQ(COMMANDS(-5, 1), 2);
    EXPECT_EQ(COMMANDS(5, 2), 0);
    EXPECT_EQ(COMMANDS(3, -7), 0);
}

TEST(Encoding, AMonsterGroupWritesKeptChunksBeforeItsPages) {
    const EVENTTREE event = EVENTWITHPAGES(0);
    event->extra_chunks = new EXTRACHUNKS;
    event->extra_chunks->entries[12] = "\x0C";
    event->extra_chunks->entries[2] = std::string("\0", 1);
    event->extra_chunks->entries[4] = "\x04";
    event->extra_chunks->entries[11] = "never";
    event->extra_chunks->entries[1] = "never";
    EXPECT_EQ(BODYHEX(ENCODE(CB_MONSTERGROUP, event.get())),
              "01 00 00 00 01 00 02 01 00 04 01 04 0C 01 0C 0B 01 00 00");
}

TEST(Encoding, ACommonEventTakesTriggerSwitchAndCommands) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    EVENTPAGE& page = event->pages[0];
    page.trigger = 1;
    page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    page.condition->flags = 1;
    page.condition->switch_a_id = 7;
    ADDCOMMAND(page, 10, 0, nullptr, {});
    EXPECT_EQ(BODYHEX(ENCODE(CB_COMMONEVENT, event.get())),
              "01 00 00 00 01 00 0B 01 05 0C 01 01 0D 01 07 15 01 08 16 08 0A 00 00 00 00 00 00 "
              "00 00");
    page.trigger = 4;
    const EVENTTREE again = DECODE(CB_COMMONEVENT, ENCODE(CB_COMMONEVENT, event.get()));
    EXPECT_EQ(again->pages[0].trigger, 4);
    EXPECT_EQ(again->pages[0].condition->flags, 1);
}

TEST(Encoding, ACommonEventBecomesABattlePageWithItsSwitchOnly) {
    const EVENTTREE event = DECODE(CB_COMMONEVENT, CONTENT("02 00 00 00 0B 01 03 0C 01 01 0D 01 05 "
                                                           "16 04 0A 00 00 00 00"));
    EXPECT_EQ(BODYHEX(ENCODE(CB_BATTLEEVENTPAGE, event.get())),
              "01 00 00 00 02 08 01 02 01 00 02 01 05 00 0B 01 08 0C 08 0A 00 00 00 00 00 00 00 "
              "00");
}

TEST(Encoding, WhatIsNotAnEventClearsTheClipboard) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    EXPECT_FALSE(ENCODECONTENT(CB_MAPEVENT, nullptr, 1, 0, -1));
    EXPECT_FALSE(ENCODECONTENT(CB_MAPEVENT, reinterpret_cast<EVENT*>(event->pages), 1, 0, -1));
    EXPECT_FALSE(ENCODECONTENT(static_cast<CLIPBOARDCONTENTTYPE>(2), event.get(), 1, 0, -1));
}

TEST(Encoding, TextIsWrittenUpToItsTerminator) {
    EXPECT_EQ(ENCODECONTENT(CB_TEXT, reinterpret_cast<const EVENT*>("hi\0there"), 1, 0, -1), "hi");
    EXPECT_EQ(ENCODECONTENT(CB_TEXT, nullptr, 1, 0, -1), "");
}
