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

// Every entry of a database list that has a name holds it here.
struct DATABASEENTRYCHUNK {
    enum : std::int32_t { NAME = 1 };
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
