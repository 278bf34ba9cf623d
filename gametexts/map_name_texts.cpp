#include "codec/encoding.h"
#include "game_chunk_ids.h"
#include "player_texts.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// The chunk whose payload is the name: its id and its length before it, each
// as few bytes as the editor writes them. A writer checks it against the
// file's bytes before it writes.
CHUNK NAMECHUNK(SPAN name) {
    BYTESTRING header;
    APPENDNUMBER(header, MAPTREEENTRYCHUNK::NAME);
    APPENDNUMBER(header, static_cast<std::int32_t>(name.size));
    return {MAPTREEENTRYCHUNK::NAME, static_cast<std::int32_t>(name.size),
            static_cast<std::int64_t>(name.offset) - static_cast<std::int64_t>(header.size()),
            name.offset};
}

} // namespace

// The root's name is the game's title, which the window shows from RPG_RT.ini.
std::vector<PLAYERTEXT> MAPNAMETEXTS(const MAPTREE& tree) {
    std::vector<PLAYERTEXT> texts;
    for (const std::size_t index : tree.TREEORDER()) {
        const MAPENTRY& entry = tree.ENTRIES()[index];
        if (entry.type == MAPTYPE::ROOT || entry.name.size == 0) continue;
        PLAYERTEXT text;
        text.bytes = tree.BYTESOF(entry.name);
        text.place = "map" + std::to_string(entry.id) + "/name";
        text.what = entry.type == MAPTYPE::AREA ? "an area's name" : "a map's name";
        text.enclosing = {NAMECHUNK(entry.name)};
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace PAGEWRIGHT
