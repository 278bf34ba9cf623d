// Command lists and move routes of many elements: each decodes whole into one
// record array that the library's own resize and release accept, and a list
// read into a page or route that already holds elements is added after them.
// The sanitizer build reports a block released by the wrong family or an
// element read past the end of its array.
#include "codec/chunk_reader.h"
#include "formats/commandlist.h"
#include "trees.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace KESTREL;

namespace {

constexpr int LONGLIST = 1000;

// Commands whose codes count up from 100; with parameters, each holds its
// index and a number that takes two bytes.
EVENTTREE NUMBEREDCOMMANDS(int count, bool with_parameters) {
    EVENTTREE event = EVENTWITHPAGES(1);
    for (int i = 0; i < count; ++i) {
        if (with_parameters) {
            ADDCOMMAND(event->pages[0], 100 + i, i % 3, i % 7 ? nullptr : "text", {i, 300});
        } else {
            ADDCOMMAND(event->pages[0], 100 + i, 0, nullptr, {});
        }
    }
    return event;
}

BYTESTRING COMMANDLIST(const EVENTPAGE& page) {
    BYTESTRING list;
    WRITECOMMANDLIST(list, page);
    return list;
}

// The codes of `count` commands from `first` on count up from 100.
void EXPECTNUMBERED(const EVENTPAGE& page, int first, int count) {
    ASSERT_GE(page.command_count, first + count);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(page.commands[first + i].code, 100 + i) << first + i;
}

// A route of `count` steps that take one byte each, then the closing 0.
MOVEROUTE* STEPROUTE(int count) {
    auto* route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    for (int i = 0; i < count; ++i)
        ADDMOVE(*route, 1 + i % 12);
    ADDMOVE(*route, 0);
    return route;
}

} // namespace

TEST(ListGrowth, LongCommandListsDecodeWholeIntoResizableArrays) {
    // Commands of four bytes each pack the data as tightly as it can be.
    for (const bool with_parameters : {true, false}) {
        const EVENTTREE built = NUMBEREDCOMMANDS(LONGLIST, with_parameters);
        const EVENTTREE decoded = DECODE(CB_EVENTCOMMANDS, ENCODE(CB_EVENTCOMMANDS, built.get()));
        ASSERT_TRUE(decoded);
        EVENTPAGE& page = decoded->pages[0];
        ASSERT_EQ(page.command_count, LONGLIST);
        EXPECTNUMBERED(page, 0, LONGLIST);
        EXPECT_EQ(COMMANDLIST(page), COMMANDLIST(built->pages[0]));

        page.commands = static_cast<EVENTCOMMAND*>(
            RESIZEOBJECTARRAY(page.commands, OT_EVENTCOMMAND, LONGLIST, LONGLIST + 1));
        page.command_count = LONGLIST + 1;
        EXPECT_EQ(page.commands[LONGLIST - 1].code, 100 + LONGLIST - 1);
        EXPECT_EQ(page.commands[LONGLIST].code, 10);
        EXPECT_EQ(page.commands[LONGLIST].parameters, nullptr);
    }
}

TEST(ListGrowth, ReadingIntoAPageWithCommandsKeepsThemBitForBit) {
    const EVENTTREE held = NUMBEREDCOMMANDS(2, true);
    EVENTPAGE& page = held->pages[0];
    EVENTCOMMAND before[2];
    std::memcpy(static_cast<void*>(before), page.commands, sizeof before);
    const EVENTTREE more = NUMBEREDCOMMANDS(LONGLIST, false);
    const BYTESTRING list = COMMANDLIST(more->pages[0]);

    CHUNKREADER reader(list);
    READCOMMANDLIST(reader, page, static_cast<std::int32_t>(list.size()));
    ASSERT_EQ(page.command_count, 2 + LONGLIST);
    EXPECT_EQ(std::memcmp(before, page.commands, sizeof before), 0);
    EXPECTNUMBERED(page, 2, LONGLIST);
    EXPECT_EQ(reader.POSITION(), static_cast<std::int64_t>(list.size()));

    // An empty list leaves the page as it was.
    EVENTCOMMAND* array = page.commands;
    const BYTESTRING end = COMMANDLIST(EVENTPAGE{});
    CHUNKREADER end_reader(end);
    READCOMMANDLIST(end_reader, page, static_cast<std::int32_t>(end.size()));
    EXPECT_EQ(page.commands, array);
    EXPECT_EQ(page.command_count, 2 + LONGLIST);
}

TEST(ListGrowth, LongMoveRoutesDecodeWholeInBothForms) {
    // Inside a set-move-route command, in per-character form.
    const EVENTTREE built = EVENTWITHPAGES(1);
    ADDCOMMAND(built->pages[0], 11330, 0, nullptr, {});
    built->pages[0].commands[0].move_route = STEPROUTE(LONGLIST);
    const EVENTTREE decoded = DECODE(CB_EVENTCOMMANDS, ENCODE(CB_EVENTCOMMANDS, built.get()));
    ASSERT_TRUE(decoded);
    const MOVEROUTE* route = decoded->pages[0].commands[0].move_route;
    ASSERT_NE(route, nullptr);
    ASSERT_EQ(route->command_count, LONGLIST + 1);
    EXPECT_EQ(route->commands[LONGLIST - 1].code, 1 + (LONGLIST - 1) % 12);
    EXPECT_EQ(route->commands[LONGLIST].code, 0);

    // A page's own route, in raw form, read onto a route with two steps.
    MOVEROUTE* steps = STEPROUTE(LONGLIST);
    BYTESTRING raw;
    WRITEMOVEROUTE(raw, *steps, RAWFORM);
    DESTROYOBJECT(steps, 0, 1);
    MOVEROUTE* held = STEPROUTE(1);
    CHUNKREADER reader(raw);
    READMOVEROUTE(reader, *held, static_cast<std::int32_t>(raw.size()), RAWFORM);
    ASSERT_EQ(held->command_count, 2 + LONGLIST + 1);
    EXPECT_EQ(held->commands[0].code, 1);
    EXPECT_EQ(held->commands[1].code, 0);
    EXPECT_EQ(held->commands[2].code, 1);
    EXPECT_EQ(held->commands[2 + LONGLIST].code, 0);
    DESTROYOBJECT(held, 0, 1);
}
