#include "kestrel_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace KESTREL;

namespace {

template <typename RECORD> RECORD* CREATE(OBJECTTYPE type) {
    return static_cast<RECORD*>(CREATEOBJECT(type));
}

EVENTCOMMAND* COMMANDS(int count) {
    return static_cast<EVENTCOMMAND*>(RESIZEOBJECTARRAY(nullptr, OT_EVENTCOMMAND, 0, count));
}

} // namespace

TEST(Records, CreatedRecordsHoldTheirDefaults) {
    auto* condition = CREATE<CONDITION>(OT_CONDITION);
    EXPECT_EQ(condition->type, OT_CONDITION);
    EXPECT_EQ(condition->flags, 0);
    for (const int one : {condition->switch_a_id, condition->switch_b_id, condition->variable_id,
                          condition->variable_compare, condition->item_id, condition->actor_id}) {
        EXPECT_EQ(one, 1);
    }
    // Every field after actor id is a battle or timer number that starts at 0.
    const auto* after_actor_id = &condition->actor_id + 1;
    const auto* end = reinterpret_cast<const std::int32_t*>(condition + 1);
    for (const auto* field = after_actor_id; field != end; ++field)
        EXPECT_EQ(*field, 0);
    EXPECT_EQ(end - after_actor_id, 20);

    auto* move = CREATE<MOVECOMMAND>(OT_MOVECOMMAND);
    EXPECT_EQ(move->type, OT_MOVECOMMAND);
    EXPECT_EQ(move->code, 0);
    EXPECT_EQ(move->switch_id, 1);
    EXPECT_EQ(move->graphic_name, nullptr);
    EXPECT_EQ(move->sound_name, nullptr);
    EXPECT_EQ(move->graphic_index, 0);
    EXPECT_EQ(move->volume, 100);
    EXPECT_EQ(move->tempo, 100);
    EXPECT_EQ(move->balance, 50);

    auto* route = CREATE<MOVEROUTE>(OT_MOVEROUTE);
    EXPECT_EQ(route->type, OT_MOVEROUTE);
    EXPECT_EQ(route->target + route->frequency + route->repeat + route->skippable, 0);
    EXPECT_EQ(route->command_count, 0);
    EXPECT_EQ(route->commands, nullptr);

    auto* command = CREATE<EVENTCOMMAND>(OT_EVENTCOMMAND);
    EXPECT_EQ(command->type, OT_EVENTCOMMAND);
    EXPECT_EQ(command->code, 10);
    EXPECT_EQ(command->indent + command->parameter_count, 0);
    EXPECT_EQ(command->string_parameter, nullptr);
    EXPECT_EQ(command->parameters, nullptr);
    EXPECT_EQ(command->move_route, nullptr);

    auto* page = CREATE<EVENTPAGE>(OT_EVENTPAGE);
    EXPECT_EQ(page->type, OT_EVENTPAGE);
    EXPECT_EQ(page->graphic_pattern, 1);
    EXPECT_EQ(page->move_speed, 3);
    EXPECT_EQ(page->move_frequency, 3);
    EXPECT_EQ(page->number + page->graphic_index + page->transparent + page->graphic_direction +
                  page->trigger + page->overlap_forbidden + page->move_type + page->animation_type +
                  page->layer + page->command_count,
              0);
    EXPECT_EQ(page->condition, nullptr);
    EXPECT_EQ(page->graphic_name, nullptr);
    EXPECT_EQ(page->move_route, nullptr);
    EXPECT_EQ(page->commands, nullptr);

    auto* event = CREATE<EVENT>(OT_EVENT);
    EXPECT_EQ(event->type, OT_EVENT);
    EXPECT_EQ(event->kind, EK_COMMANDS);
    EXPECT_EQ(event->id + event->x + event->y + event->page_count, 0);
    EXPECT_EQ(event->name, nullptr);
    EXPECT_EQ(event->pages, nullptr);
    EXPECT_EQ(event->extra_chunks, nullptr);

    for (void* record :
         {static_cast<void*>(condition), static_cast<void*>(move), static_cast<void*>(route),
          static_cast<void*>(command), static_cast<void*>(page), static_cast<void*>(event)}) {
        DESTROYOBJECT(record, 0, 1);
    }
}

TEST(Records, UnknownTypesCreateNothing) {
    EXPECT_EQ(CREATEOBJECT(static_cast<OBJECTTYPE>(0)), nullptr);
    EXPECT_EQ(CREATEOBJECT(static_cast<OBJECTTYPE>(7)), nullptr);
}

TEST(Lifetime, DestroyingNullDoesNothing) {
    DESTROYOBJECT(nullptr, 0, 1);
    DESTROYOBJECT(nullptr, 1, 5);
    DESTROYINTARRAY(nullptr);
}

// The sanitizer build reports a leak or a mismatched release if any block of
// this tree is missed or freed by the wrong family.
TEST(Lifetime, OneCallReleasesAWholeTree) {
    auto* event = CREATE<EVENT>(OT_EVENT);
    event->name = COPYNAME("Gate");
    event->extra_chunks = new EXTRACHUNKS;
    event->extra_chunks->entries[4] = std::string("\0kept\0", 6);
    event->page_count = 3;
    event->pages = static_cast<EVENTPAGE*>(RESIZEOBJECTARRAY(nullptr, OT_EVENTPAGE, 0, 3));
    for (int i = 0; i < 3; ++i) {
        EVENTPAGE& page = event->pages[i];
        page.number = i + 1;
        page.condition = CREATE<CONDITION>(OT_CONDITION);
        page.graphic_name = COPYNAME("Hero");
        page.move_route = CREATE<MOVEROUTE>(OT_MOVEROUTE);
        page.move_route->command_count = 2;
        page.move_route->commands =
            static_cast<MOVECOMMAND*>(RESIZEOBJECTARRAY(nullptr, OT_MOVECOMMAND, 0, 2));
        page.move_route->commands[0].graphic_name = COPYNAME("Actor");
        page.move_route->commands[1].sound_name = COPYNAME("Bell");
        page.command_count = 2;
        page.commands = COMMANDS(2);
        page.commands[0].string_parameter = COPYNAME("Hello");
        page.commands[0].parameters = RESIZEINTARRAY(nullptr, 0, 64);
        page.commands[1].code = 11330;
        page.commands[1].move_route = CREATE<MOVEROUTE>(OT_MOVEROUTE);
    }
    DESTROYOBJECT(event, 0, 1);
}

TEST(Lifetime, AnArrayWithCountZeroReleasesTheBlockOnly) {
    auto* pages = static_cast<EVENTPAGE*>(RESIZEOBJECTARRAY(nullptr, OT_EVENTPAGE, 0, 2));
    char* kept = COPYNAME("still mine");
    pages[0].graphic_name = kept;
    DESTROYOBJECT(pages, 1, 0);
    EXPECT_STREQ(kept, "still mine");
    std::free(kept);
}

TEST(Lifetime, ResizingKeepsElementsBitForBitAndDefaultsNewOnes) {
    EVENTCOMMAND* commands = COMMANDS(1);
    EXPECT_EQ(commands[0].code, 10);

    commands = static_cast<EVENTCOMMAND*>(RESIZEOBJECTARRAY(commands, OT_EVENTCOMMAND, 1, 2));
    commands[0].string_parameter = COPYNAME("first");
    commands[1].parameters = RESIZEINTARRAY(nullptr, 0, 3);
    EVENTCOMMAND before[2];
    std::memcpy(static_cast<void*>(before), commands, sizeof before);

    commands = static_cast<EVENTCOMMAND*>(RESIZEOBJECTARRAY(commands, OT_EVENTCOMMAND, 2, 3));
    EXPECT_EQ(std::memcmp(before, commands, sizeof before), 0);
    EXPECT_EQ(commands[2].code, 10);
    EXPECT_EQ(commands[2].parameters, nullptr);

    // Shrinking drops the last element without releasing what it owns.
    commands[2].string_parameter = COPYNAME("dropped");
    char* dropped = commands[2].string_parameter;
    commands = static_cast<EVENTCOMMAND*>(RESIZEOBJECTARRAY(commands, OT_EVENTCOMMAND, 3, 2));
    EXPECT_EQ(std::memcmp(before, commands, sizeof before), 0);
    EXPECT_STREQ(dropped, "dropped");
    std::free(dropped);

    // To zero: the block goes, its elements' names and parameters stay.
    EXPECT_EQ(RESIZEOBJECTARRAY(commands, OT_EVENTCOMMAND, 2, 0), nullptr);
    std::free(before[0].string_parameter);
    DESTROYINTARRAY(before[1].parameters);
}

TEST(Lifetime, ResizingRecordsThatAreNeverArraysChangesNothing) {
    auto* condition = CREATE<CONDITION>(OT_CONDITION);
    for (const OBJECTTYPE type : {OT_CONDITION, OT_MOVEROUTE, OT_EVENT}) {
        EXPECT_EQ(RESIZEOBJECTARRAY(condition, type, 1, 5), condition);
    }
    EXPECT_EQ(condition->type, OT_CONDITION);
    DESTROYOBJECT(condition, 0, 1);
}

TEST(Lifetime, ResizingMoveCommandsAndPagesDefaultsTheNewElements) {
    auto* moves = static_cast<MOVECOMMAND*>(RESIZEOBJECTARRAY(nullptr, OT_MOVECOMMAND, 0, 2));
    EXPECT_EQ(moves[1].balance, 50);
    DESTROYOBJECT(moves, 1, 2);
    auto* pages = static_cast<EVENTPAGE*>(RESIZEOBJECTARRAY(nullptr, OT_EVENTPAGE, 0, 2));
    EXPECT_EQ(pages[1].move_speed, 3);
    DESTROYOBJECT(pages, 1, 2);
}

TEST(Lifetime, ResizingIntegerArrays) {
    std::int32_t* values = RESIZEINTARRAY(nullptr, 0, 3);
    EXPECT_EQ(values[0] + values[1] + values[2], 0);
    values[0] = 1;
    values[1] = 2;
    values[2] = 3;
    values = RESIZEINTARRAY(values, 3, 2);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 2);
    values = RESIZEINTARRAY(values, 2, 4);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[2] + values[3], 0);
    EXPECT_EQ(RESIZEINTARRAY(values, 4, 0), nullptr);
}

TEST(Lifetime, NegativeCountsAreTakenAsZero) {
    EXPECT_EQ(RESIZEOBJECTARRAY(nullptr, OT_EVENTCOMMAND, 0, -3), nullptr);
    EXPECT_EQ(RESIZEINTARRAY(nullptr, 0, -3), nullptr);
    auto* commands = static_cast<EVENTCOMMAND*>(RESIZEOBJECTARRAY(nullptr, OT_EVENTCOMMAND, -2, 1));
    EXPECT_EQ(commands[0].code, 10);
    DESTROYOBJECT(commands, 1, 1);
}
