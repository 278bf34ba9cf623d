// The game files' own chunk ids and the names their kinds begin with, one
// table per record; the event records inside them keep the record library's
// ids (formats/chunk_ids.h).
#ifndef PAGEWRIGHT_EVENTGAME_GAME_CHUNK_IDS_H
#define PAGEWRIGHT_EVENTGAME_GAME_CHUNK_IDS_H

#include "kestrel_internal.h"

#include <cstdint>

namespace PAGEWRIGHT {

// Each file begins with its kind's name, as a length and its bytes.
constexpr KESTREL::BYTEVIEW MAPFILEKINDNAME = "LcfMapUnit";
constexpr KESTREL::BYTEVIEW DATABASEKINDNAME = "LcfDataBase";

// Top level of a map file (MapNNNN.lmu), after its kind name.
struct MAPFILECHUNK {
    enum : std::int32_t { EVENTS = 81 };
};

// Top level of the database (RPG_RT.ldb), after its kind name: the lists of
// what the editor numbers. Classes, battle commands and battler animations
// are only in the databases of the later engine.
struct DATABASECHUNK {
    enum : std::int32_t {
        ACTORS = 11,
        SKILLS = 12,
        ITEMS = 13,
        ENEMIES = 14,
        TROOPS = 15,
        TERRAINS = 16,
        ATTRIBUTES = 17,
        STATES = 18,
        ANIMATIONS = 19,
        TILESETS = 20,
        SWITCHES = 23,
        VARIABLES = 24,
        COMMONEVENTS = 25,
        BATTLECOMMANDS = 29,
        CLASSES = 30,
        BATTLERANIMATIONS = 32,
    };
};

// Inside the database's battle commands chunk, whose other chunks are
// settings of the battle screen.
struct BATTLECOMMANDSCHUNK {
    enum : std::int32_t { LIST = 10 };
};

// Every entry of a database list that has a name holds it here.
struct DATABASEENTRYCHUNK {
    enum : std::int32_t { NAME = 1 };
};

} // namespace PAGEWRIGHT

#endif
