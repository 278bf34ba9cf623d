// The game files' own chunk ids and the names their kinds begin with. The
// chunks that hold the lists are in the table of the lists (id_lists.h); the
// event records inside them keep the record library's ids
// (formats/chunk_ids.h).
#ifndef PAGEWRIGHT_EVENTGAME_GAME_CHUNK_IDS_H
#define PAGEWRIGHT_EVENTGAME_GAME_CHUNK_IDS_H

#include "kestrel_internal.h"

#include <cstdint>

namespace PAGEWRIGHT {

// Each file begins with its kind's name, as a length and its bytes.
constexpr KESTREL::BYTEVIEW MAPFILEKINDNAME = "LcfMapUnit";
constexpr KESTREL::BYTEVIEW DATABASEKINDNAME = "LcfDataBase";
constexpr KESTREL::BYTEVIEW MAPTREEKINDNAME = "LcfMapTree";

// Every entry of a database list that has a name holds it here.
struct DATABASEENTRYCHUNK {
    enum : std::int32_t { NAME = 1 };
};

// The texts that the database's entries hold beside their names, and the
// database's record of the words the game's screens and battles say, whose
// every chunk is a text.
struct ACTORTEXTCHUNK {
    enum : std::int32_t { TITLE = 2, SKILLCOMMAND = 67 };
};
struct SKILLTEXTCHUNK {
    enum : std::int32_t { DESCRIPTION = 2, USINGMESSAGE1 = 3, USINGMESSAGE2 = 4 };
};
struct ITEMTEXTCHUNK {
    enum : std::int32_t { DESCRIPTION = 2 };
};
struct STATETEXTCHUNK {
    enum : std::int32_t {
        ACTORMESSAGE = 51,
        ENEMYMESSAGE = 52,
        ALREADYMESSAGE = 53,
        TURNMESSAGE = 54,
        RECOVEREDMESSAGE = 55
    };
};
struct DATABASECHUNK {
    enum : std::int32_t { TERMS = 21 };
};

// An entry of the map tree: a map, an area or the root.
struct MAPTREEENTRYCHUNK {
    enum : std::int32_t { NAME = 1, PARENT = 2, INDENTATION = 3, TYPE = 4 };
};

// A map file's top level, beside its list of events. The save counter is
// one of the two, whichever the editor that last saved the map writes.
struct MAPFILECHUNK {
    enum : std::int32_t { WIDTH = 0x02, HEIGHT = 0x03, LATESAVECOUNT = 0x5A, SAVECOUNT = 0x5B };
};

// The database's system record, at its top level, and its save counter.
constexpr std::int32_t DATABASESYSTEMCHUNK = 0x16;
struct SYSTEMCHUNK {
    enum : std::int32_t { SAVECOUNT = 0x5B };
};

} // namespace PAGEWRIGHT

#endif
