// A tree that uses every part of every format, and its contents: the inputs
// of the truncation tests and the seeds of the fuzz targets.
#ifndef PAGEWRIGHT_TESTS_FIXTURES_H
#define PAGEWRIGHT_TESTS_FIXTURES_H

#include "trees.h"

#include <utility>
#include <vector>

inline EVENTTREE RICHEVENT() {
    using namespace KESTREL;
    EVENTTREE event = EVENTWITHPAGES(2);
    event->name = COPYNAME("Gate \xE9");
    event->x = 12;
    event->y = 300;
    event->extra_chunks = new EXTRACHUNKS;
    event->extra_chunks->entries[2] = std::string("\x01\0\x02", 3);
    event->extra_chunks->entries[30] = "kept";

    EVENTPAGE& map = event->pages[0];
    map.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    map.condition->flags = 0x7F;
    map.condition->variable_value = -5;
    map.graphic_name = COPYNAME("Actor1");
    map.graphic_index = 3;
    map.transparent = 1;
    map.trigger = 3;
    map.move_type = 6;
    map.move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    map.move_route->repeat = 1;
    ADDMOVE(*map.move_route, 32).switch_id = 200;
    ADDMOVE(*map.move_route, 34).graphic_name = COPYNAME("Hero");
    ADDMOVE(*map.move_route, 35).sound_name = COPYNAME("Bell");
    ADDCOMMAND(map, 10110, 0, "Hello \xE9", {});
    ADDCOMMAND(map, 12010, 0, nullptr, {1, 5, 0, 1});
    ADDCOMMAND(map, 10210, 1, nullptr, {0, 7, 0, 1, 0, -3});
    ADDCOMMAND(map, 11330, 1, nullptr, {});
    map.commands[3].move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    map.commands[3].move_route->target = 10005;
    ADDMOVE(*map.commands[3].move_route, 1);
    ADDMOVE(*map.commands[3].move_route, 34).graphic_name = COPYNAME("ab");
    ADDCOMMAND(map, 10, 1, nullptr, {});
    ADDCOMMAND(map, 22011, 0, nullptr, {});

    EVENTPAGE& battle = event->pages[1];
    battle.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    battle.condition->flags = 0x3F87;
    battle.condition->enemy_hp_id = 2;
    battle.condition->turn_enemy_id = 1;
    ADDCOMMAND(battle, 10110, 0, "Battle", {});
    return event;
}

// The rich tree written as each of the six event formats.
inline std::vector<std::pair<KESTREL::CLIPBOARDCONTENTTYPE, std::string>> RICHCONTENTS() {
    using namespace KESTREL;
    const EVENTTREE event = RICHEVENT();
    std::vector<std::pair<CLIPBOARDCONTENTTYPE, std::string>> contents;
    for (const auto format : EVENTFORMATNUMBERS) {
        contents.emplace_back(format, ENCODE(format, event.get()));
    }
    return contents;
}

#endif
