// Map and battle event pages: their bytes, the slot a page lands in, and what
// each kind keeps of the other.
#include "formats/page_reading.h"
#include "formats/pages.h"
#include "hex.h"
#include "trees.h"

#include <gtest/gtest.h>

using namespace KESTREL;

namespace {

const char* const DEFAULTMAPPAGEFIELDS = "16 01 00 17 01 00 18 01 01 19 01 00 1F 01 00 20 01 03 "
                                         "21 01 00 22 01 00 23 01 00 24 01 00 25 01 03";
const char* const EMPTYCOMMANDS = "33 01 04 34 04 00 00 00 00";
const char* const DEFAULTBATTLECONDITION = "02 05 01 02 00 00 00";

std::string MAPPAGE(const EVENTPAGE& page, std::uint8_t with_number = 0) {
    BYTESTRING out;
    WRITEPAGE<EK_MAP>(out, page, with_number);
    return TOHEX(out);
}

std::string BATTLEPAGE(const EVENTPAGE& page) {
    BYTESTRING out;
    WRITEPAGE<EK_BATTLE>(out, page, 0);
    return TOHEX(out);
}

// The condition chunk that leads a page written as either kind.
std::string CONDITIONCHUNK(const std::string& page) {
    const std::string bytes = HEX(page);
    return TOHEX(bytes.substr(0, 2 + static_cast<std::uint8_t>(bytes[1])));
}

std::string MAPCONDITION(const EVENTPAGE& page) {
    return CONDITIONCHUNK(MAPPAGE(page));
}

std::string BATTLECONDITION(const EVENTPAGE& page) {
    return CONDITIONCHUNK(BATTLEPAGE(page));
}

std::int64_t READMAP(EVENT& event, const std::string& bytes, std::int32_t number = 1) {
    CHUNKREADER reader(bytes);
    READPAGE<EK_MAP>(reader, event, number);
    return reader.POSITION();
}

std::int64_t READBATTLE(EVENT& event, const std::string& bytes, std::int32_t number = 1) {
    CHUNKREADER reader(bytes);
    READPAGE<EK_BATTLE>(reader, event, number);
    return reader.POSITION();
}

CONDITION& GIVECONDITION(EVENTPAGE& page, std::int32_t flags) {
    page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    page.condition->flags = flags;
    return *page.condition;
}

} // namespace

TEST(MapPage, ADefaultPageWritesEveryFieldAndAnEmptyCommandList) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    const std::string expected =
        std::string("02 04 01 01 00 00 ") + DEFAULTMAPPAGEFIELDS + " " + EMPTYCOMMANDS + " 00";
    EXPECT_EQ(MAPPAGE(event->pages[0]), expected) << "no condition writes the default one";
    EXPECT_EQ(MAPPAGE(event->pages[0], 1), "01 " + expected);
}

TEST(MapPage, ConditionSubChunksFollowTheirFlagsInAscendingOrder) {
    const EVENTTREE event = EVENTWITHPAGES(2);
    GIVECONDITION(event->pages[0], 0x01).switch_a_id = 5;
    EXPECT_EQ(MAPCONDITION(event->pages[0]), "02 07 01 01 01 02 01 05 00");

    // Variable compare (10) follows the timer (8): sub-chunks go by id.
    CONDITION& condition = GIVECONDITION(event->pages[1], 0x24);
    condition.variable_id = 3;
    condition.variable_value = -5;
    condition.timer_seconds = 9;
    condition.variable_compare = 2;
    EXPECT_EQ(MAPCONDITION(event->pages[1]),
              "02 14 01 01 24 04 01 03 05 05 8F FF FF FF 7B 08 01 09 0A 01 02 00");
    const EVENTTREE read = EVENTWITHPAGES(1);
    READMAP(*read, HEX(MAPPAGE(event->pages[1])));
    EXPECT_EQ(read->pages[0].condition->variable_value, -5);
    EXPECT_EQ(read->pages[0].condition->variable_compare, 2);
    EXPECT_EQ(read->pages[0].condition->timer_seconds, 9);
}

TEST(MapPage, OnlyTheLastFlagByteCountsAndOnlyItsSevenMapBits) {
    for (const auto& [flags, expected] : {std::pair<const char*, std::int32_t>{"02 00 05", 0x05},
                                          {"01 FF", 0x7F},
                                          {"00", 0},
                                          {"02 05 00", 0}}) {
        const EVENTTREE event = EVENTWITHPAGES(1);
        const std::string condition = HEX(std::string("01 ") + flags + " 00");
        READMAP(*event, HEX("02") + std::string(1, static_cast<char>(condition.size())) +
                            condition + HEX("00"));
        EXPECT_EQ(event->pages[0].condition->flags, expected) << flags;
    }
}

TEST(MapPage, InactiveConditionValuesAreKeptWhenReadAndDroppedWhenWritten) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    READMAP(*event, HEX("02 07 01 01 00 04 01 07 00 00"));
    EXPECT_EQ(event->pages[0].condition->variable_id, 7);
    EXPECT_EQ(MAPCONDITION(event->pages[0]), "02 04 01 01 00 00");
}

TEST(MapPage, TheOwnRouteIsWrittenOnlyForMoveTypeSix) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    EVENTPAGE& page = event->pages[0];
    page.move_type = 6;
    const std::string without = MAPPAGE(page);
    EXPECT_EQ(without.find(" 29 "), std::string::npos);

    page.move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    page.move_route->repeat = 1;
    ADDMOVE(*page.move_route, 32).switch_id = 5;
    EXPECT_NE(MAPPAGE(page).find("29 0E 0B 01 02 0C 02 20 05 15 01 01 16 01 00 00"),
              std::string::npos);
    page.move_type = 5;
    EXPECT_EQ(MAPPAGE(page).find(" 29 "), std::string::npos);
}

TEST(MapPage, TheRouteTakesTheMoveFrequencyReadBeforeIt) {
    const EVENTTREE after = EVENTWITHPAGES(1);
    READMAP(*after, HEX("20 01 05 29 03 0C 01 01 00"));
    EXPECT_EQ(after->pages[0].move_route->frequency, 5);
    EXPECT_EQ(after->pages[0].move_route->target, 10005);
    EXPECT_EQ(after->pages[0].move_route->repeat, 1);
    EXPECT_EQ(after->pages[0].move_route->command_count, 1);
    const EVENTTREE before = EVENTWITHPAGES(1);
    READMAP(*before, HEX("29 00 20 01 05 00"));
    EXPECT_EQ(before->pages[0].move_route->frequency, 3);
}

TEST(MapPage, GraphicNamesAbsentEmptyAndCut) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    READMAP(*event, HEX("15 00 00"));
    ASSERT_NE(event->pages[0].graphic_name, nullptr);
    EXPECT_STREQ(event->pages[0].graphic_name, "");
    EXPECT_NE(MAPPAGE(event->pages[0]).find("00 15 00 16"), std::string::npos);

    READMAP(*event, HEX("15 03 61 00 62 00"));
    EXPECT_NE(MAPPAGE(event->pages[0]).find("15 01 61 16"), std::string::npos)
        << "written up to its first zero byte";
    EXPECT_EQ(MAPPAGE(EVENTPAGE{}).find(" 15 "), std::string::npos);
}

TEST(MapPage, AConditionThatEndsEarlyResumesThePageRightAfterIt) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    // The condition claims 9 bytes but ends after 4; what follows is the page's.
    READMAP(*event, HEX("02 09 01 01 01 00 21 01 04 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 1);
    EXPECT_EQ(event->pages[0].trigger, 4);
}

TEST(MapPage, DataThatEndsWithoutAnEndChunkEndsThePage) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    EXPECT_EQ(READMAP(*event, HEX("21 01 02")), 3);
    EXPECT_EQ(event->pages[0].trigger, 2);
}

TEST(PageSlots, APageLandsInTheSlotItsNumberChooses) {
    const EVENTTREE three = EVENTWITHPAGES(3);
    READMAP(*three, HEX("02 21 01 01 00"), PAGENUMBERINDATA);
    EXPECT_EQ(three->pages[1].trigger, 1);
    EXPECT_EQ(three->pages[0].trigger + three->pages[2].trigger, 0);

    const EVENTTREE one = EVENTWITHPAGES(1);
    READMAP(*one, HEX("21 01 01 00"), 3);
    EXPECT_EQ(one->pages[0].number, 3);
    EXPECT_EQ(one->pages[0].trigger, 1);
}

TEST(PageSlots, NumbersBelowOneAndEventsWithoutPagesTakeNoSlotButStayInStep) {
    for (const std::int32_t number : {0, -5}) {
        const EVENTTREE event = EVENTWITHPAGES(1);
        EXPECT_EQ(READMAP(*event, HEX("02 04 01 01 01 00 21 01 01 00 07"), number), 10);
        EXPECT_EQ(event->pages[0].number, 1);
        EXPECT_EQ(event->pages[0].condition, nullptr);
        EXPECT_EQ(READBATTLE(*event, HEX("0C 04 0A 00 00 00 00 07"), number), 7);
        EXPECT_EQ(event->pages[0].command_count, 0);
    }
    const EVENTTREE empty = EVENTWITHPAGES(0);
    EXPECT_EQ(READMAP(*empty, HEX("34 08 0A 00 00 00 00 00 00 00 00")), 11);
    EXPECT_EQ(empty->page_count, 0);
}

TEST(PageSlots, RepeatedChunksReplaceAndRepeatedCommandListsAppend) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    READMAP(*event, HEX("02 04 01 01 01 00 15 01 61 29 00 02 04 01 01 02 00 15 01 62 29 00 "
                        "34 04 0A 00 00 00 34 04 0B 00 00 00 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 2);
    EXPECT_STREQ(event->pages[0].graphic_name, "b");
    EXPECT_EQ(event->pages[0].command_count, 2);
}

TEST(BattlePage, TheFlagWordMapsOntoTheRecordsFlags) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    READBATTLE(*event, HEX("02 05 01 02 08 02 00 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 0x2080);
    EXPECT_EQ(BATTLECONDITION(event->pages[0]),
              "02 11 01 02 08 02 06 01 00 07 01 00 16 01 00 17 01 00 00");

    READBATTLE(*event, HEX("02 04 01 01 FF 00 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 0x1D87);
    READBATTLE(*event, HEX("02 06 01 03 01 00 02 00 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 0x0001) << "a third byte counts for nothing";
    READBATTLE(*event, HEX("02 08 01 05 01 00 00 00 04 00 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 0x0005) << "a fifth byte folds onto the first";
    READBATTLE(*event, HEX("02 07 01 01 01 01 01 08 00 00"));
    EXPECT_EQ(event->pages[0].condition->flags, 0x0080) << "a second flag sub-chunk replaces";
}

TEST(BattlePage, DefaultAndMapOnlyConditionsWriteAnEmptyFlagWord) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    EXPECT_EQ(BATTLEPAGE(event->pages[0]),
              std::string(DEFAULTBATTLECONDITION) + " 0B 01 04 0C 04 00 00 00 00 00");
    GIVECONDITION(event->pages[0], 0x08);
    EXPECT_EQ(BATTLECONDITION(event->pages[0]), DEFAULTBATTLECONDITION);
}

TEST(BattlePage, AMapConditionKeepsItsSwitchesAndVariable) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    CONDITION& condition = GIVECONDITION(event->pages[0], 0x05);
    condition.switch_a_id = 5;
    condition.variable_id = 3;
    condition.variable_value = 10;
    condition.variable_compare = 4;
    EXPECT_EQ(BATTLECONDITION(event->pages[0]), "02 0E 01 02 05 00 02 01 05 04 01 03 05 01 0A 00");
}

TEST(BattlePage, SubChunksFollowAscendingIdsAndIdsAreHeldAsEncoded) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    CONDITION& condition = GIVECONDITION(event->pages[0], 0x0100 | 0x0800);
    condition.turn_enemy_id = 3;
    condition.enemy_hp_id = 2;
    const std::string written = BATTLECONDITION(event->pages[0]);
    EXPECT_EQ(written,
              "02 17 01 02 A0 00 0A 01 02 0B 01 00 0C 01 00 10 01 03 11 01 00 12 01 00 00");

    const EVENTTREE read = EVENTWITHPAGES(1);
    READBATTLE(*read, HEX(written + " 00"));
    EXPECT_EQ(read->pages[0].condition->turn_enemy_id, 3);
    EXPECT_EQ(read->pages[0].condition->enemy_hp_id, 2);
    EXPECT_EQ(BATTLECONDITION(read->pages[0]), written);
}

TEST(BattlePage, MapChunksAreSkippedByTheirLength) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    READBATTLE(*event, HEX("15 02 61 62 29 03 0C 01 01 21 01 03 0C 04 0A 00 00 00 00"));
    EXPECT_EQ(event->pages[0].graphic_name, nullptr);
    EXPECT_EQ(event->pages[0].trigger, 0);
    EXPECT_EQ(event->pages[0].command_count, 1);
}

TEST(PageKinds, ABattleConditionWrittenAsAMapPageKeepsOnlyTheMapBits) {
    const EVENTTREE event = EVENTWITHPAGES(1);
    CONDITION& condition = GIVECONDITION(event->pages[0], 0x85);
    condition.switch_a_id = 4;
    condition.variable_id = 6;
    condition.variable_value = 7;
    condition.turn_a = 2;
    EXPECT_EQ(MAPCONDITION(event->pages[0]),
              "02 10 01 01 05 02 01 04 04 01 06 05 01 07 0A 01 01 00");
}
