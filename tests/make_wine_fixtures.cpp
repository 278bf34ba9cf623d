// Writes the event data that the Windows end-to-end tests put on the clipboard:
// one sample tree encoded as each of the six event formats, as
// FOLDER/<format>.bin. The committed files in tests/wine/fixtures come from
//     build/native/tests/make-wine-fixtures tests/wine/fixtures
#include "formats/codes.h"
#include "trees.h"

#include <cstdio>
#include <string>

using namespace KESTREL;

namespace {

// Two pages with a condition, a graphic, an own move route and commands of
// each kind of payload: text, numbers, nesting and a move route of its own.
TREE SAMPLETREE() {
    TREE event = EVENTWITHPAGES(2);
    event->kind = EK_MAP;
    event->id = 7;
    event->x = 12;
    event->y = 5;
    event->name = NAME("Fixture");
    event->extra_chunks = new EXTRACHUNKS;
    event->extra_chunks->entries[1] = "Troop";

    EVENTPAGE& first = event->pages[0];
    first.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    first.condition->flags = CF_SWITCH_A | CF_VARIABLE;
    first.condition->switch_a_id = 3;
    first.condition->variable_id = 4;
    first.condition->variable_value = 10;
    first.graphic_name = NAME("Chara1");
    first.graphic_index = 2;
    first.trigger = 1;
    first.move_type = CUSTOMMOVETYPE;
    first.move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    first.move_route->target = OWNEVENTTARGET;
    first.move_route->repeat = 1;
    ADDMOVE(*first.move_route, 1);
    ADDMOVE(*first.move_route, SWITCHON).switch_id = 9;

    ADDCOMMAND(first, 10110, 0, "Hello from the fixture.", {});
    ADDCOMMAND(first, 12010, 0, nullptr, {0, 5, 0, 1, 0, 0});
    ADDCOMMAND(first, 10220, 1, nullptr, {0, 2, 2, 0, 0, 1});
    ADDCOMMAND(first, SETMOVEROUTE, 1, nullptr, {});
    MOVEROUTE* route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    route->frequency = 2;
    ADDMOVE(*route, CHANGEGRAPHIC).graphic_name = NAME("Chara2");
    MOVECOMMAND& sound = ADDMOVE(*route, PLAYSOUND);
    sound.sound_name = NAME("Cursor1");
    sound.volume = 80;
    first.commands[3].move_route = route;
    ADDCOMMAND(first, 10, 1, nullptr, {});
    ADDCOMMAND(first, 22010, 0, nullptr, {});
    ADDCOMMAND(first, 10, 0, nullptr, {});

    EVENTPAGE& second = event->pages[1];
    second.graphic_name = NAME("Chara1");
    ADDCOMMAND(second, 10110, 0, "Second page.", {});
    ADDCOMMAND(second, 10, 0, nullptr, {});
    return event;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make-wine-fixtures FOLDER\n", stderr);
        return 2;
    }
    const TREE event = SAMPLETREE();
    for (const CLIPBOARDCONTENTTYPE format : {CB_MAPEVENT, CB_MAPEVENTPAGE, CB_BATTLEEVENTPAGE,
                                              CB_EVENTCOMMANDS, CB_MONSTERGROUP, CB_COMMONEVENT}) {
        const std::string content = ENCODE(format, event.get());
        const std::string path = std::string(argv[1]) + "/" + std::to_string(format) + ".bin";
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(content.data(), 1, content.size(), file) != content.size() ||
            std::fclose(file) != 0) {
            std::fprintf(stderr, "make-wine-fixtures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
