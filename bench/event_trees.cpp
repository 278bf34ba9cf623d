#include "event_trees.h"

#include "event_codes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

namespace PAGEWRIGHTBENCH {
namespace {

using namespace KESTREL;

constexpr std::int32_t HEROTARGET = 10001;

struct MOVESTEP {
    std::int32_t code;
    std::int32_t number;
    const char* name;
};

// Walking, a switch, a graphic or a sound, and the closing code 0 that routes
// decoded from editor data end with.
const std::vector<MOVESTEP> WALKROUTE = {{1, 0, nullptr},         {1, 0, nullptr},
                                         {SWITCHON, 21, nullptr}, {CHANGEGRAPHIC, 3, "Actor1"},
                                         {2, 0, nullptr},         {0, 0, nullptr}};
const std::vector<MOVESTEP> SOUNDROUTE = {
    {4, 0, nullptr}, {PLAYSOUND, 0, "Cursor1"}, {11, 0, nullptr}, {0, 0, nullptr}};

struct COMMANDSHAPE {
    std::int32_t code;
    std::int32_t indent;
    const char* text;
    std::vector<std::int32_t> parameters;
    const std::vector<MOVESTEP>* route;
};

const COMMANDSHAPE MIX[] = {
    {10110, 0, "Welcome to Tellis, traveller.", {}, nullptr},
    {20110, 0, "The ferry leaves at dawn.", {}, nullptr},
    {10210, 0, nullptr, {0, 12, 12, 0}, nullptr},
    {10220, 0, nullptr, {0, 7, 7, 1, 0, 25, 0}, nullptr},
    {12010, 0, nullptr, {1, 7, 0, 10, 1, 1}, nullptr},
    {10110, 1, "You can pay for the crossing.", {}, nullptr},
    {SETMOVEROUTE, 1, nullptr, {}, &WALKROUTE},
    {10310, 1, nullptr, {1, 0, 50}, nullptr},
    {10, 1, nullptr, {}, nullptr},
    {22011, 0, nullptr, {}, nullptr},
    {10110, 1, "Come back with more coins.", {}, nullptr},
    {10220, 1, nullptr, {0, 8, 8, 2, 0, 1, 0}, nullptr},
    {10, 1, nullptr, {}, nullptr},
    {22010, 0, nullptr, {}, nullptr},
    {11550, 0, "Decision2", {100, 100, 50}, nullptr},
    {10, 0, nullptr, {}, nullptr},
};
constexpr std::int32_t MIXSIZE = static_cast<std::int32_t>(std::size(MIX));

// Each page of the map event holds one run of the mix.
constexpr std::int32_t PAGECOMMANDS = MIXSIZE;

template <typename RECORD> RECORD* NEWARRAY(OBJECTTYPE type, std::int32_t count) {
    return static_cast<RECORD*>(RESIZEOBJECTARRAY(nullptr, type, 0, count));
}

MOVEROUTE* NEWROUTE(const std::vector<MOVESTEP>& steps, std::int32_t target) {
    auto* route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    route->target = target;
    route->frequency = 3;
    route->skippable = 1;
    route->command_count = static_cast<std::int32_t>(steps.size());
    route->commands = NEWARRAY<MOVECOMMAND>(OT_MOVECOMMAND, route->command_count);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        MOVECOMMAND& command = route->commands[i];
        command.code = steps[i].code;
        if (command.code == SWITCHON) command.switch_id = steps[i].number;
        if (command.code == CHANGEGRAPHIC) {
            command.graphic_name = COPYNAME(steps[i].name);
            command.graphic_index = steps[i].number;
        }
        if (command.code == PLAYSOUND) command.sound_name = COPYNAME(steps[i].name);
    }
    return route;
}

void FILLCOMMAND(EVENTCOMMAND& command, const COMMANDSHAPE& shape) {
    command.code = shape.code;
    command.indent = shape.indent;
    if (shape.text) command.string_parameter = COPYNAME(shape.text);
    if (shape.route) {
        command.move_route = NEWROUTE(*shape.route, HEROTARGET);
        return;
    }
    command.parameter_count = static_cast<std::int32_t>(shape.parameters.size());
    command.parameters = RESIZEINTARRAY(nullptr, 0, command.parameter_count);
    std::copy(shape.parameters.begin(), shape.parameters.end(), command.parameters);
}

void FILLCOMMANDS(EVENTPAGE& page, std::int32_t count) {
    page.command_count = count;
    page.commands = NEWARRAY<EVENTCOMMAND>(OT_EVENTCOMMAND, count);
    for (std::int32_t i = 0; i < count; ++i)
        FILLCOMMAND(page.commands[i], MIX[i % MIXSIZE]);
}

// Every page starts with a default condition, as editor data has one.
EVENTTREE EVENTWITHCONDITIONS(std::int32_t pages) {
    EVENTTREE event = EVENTWITHPAGES(pages);
    for (std::int32_t i = 0; i < pages; ++i) {
        event->pages[i].condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    }
    return event;
}

} // namespace

EVENTTREE COMMANDPAGEEVENT(std::int32_t commands) {
    EVENTTREE event = EVENTWITHCONDITIONS(1);
    FILLCOMMANDS(event->pages[0], commands);
    return event;
}

EVENTTREE MAPEVENT(std::int32_t pages) {
    EVENTTREE event = EVENTWITHCONDITIONS(pages);
    event->name = COPYNAME("Ferryman");
    event->x = 12;
    event->y = 7;
    for (std::int32_t i = 0; i < pages; ++i) {
        EVENTPAGE& page = event->pages[i];
        page.condition->flags = 0x0001;
        page.condition->switch_a_id = i + 1;
        page.graphic_name = COPYNAME("People2");
        page.graphic_index = i % 8;
        page.trigger = i % 3;
        if (i % 2 == 1) {
            page.move_type = CUSTOMMOVETYPE;
            page.move_route = NEWROUTE(SOUNDROUTE, OWNEVENTTARGET);
        }
        FILLCOMMANDS(page, PAGECOMMANDS);
    }
    return event;
}

} // namespace PAGEWRIGHTBENCH
