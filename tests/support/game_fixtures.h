// Small game files made of the rich tree's contents (fixtures.h): a map file
// whose event 1 is the tree written as a map event, and a database whose
// troop 1 and common event 1 are the tree written as those, with switch 1 and
// variable 1 named. Their events hold the encoder's bytes, so that taking
// them gives the contents back. Beside them, a map tree that names the map.
#ifndef PAGEWRIGHT_TESTS_GAME_FIXTURES_H
#define PAGEWRIGHT_TESTS_GAME_FIXTURES_H

#include "fixtures.h"
#include "formats/chunk_ids.h"
#include "game_chunk_ids.h"
#include "game_folder.h"
#include "map_tree.h"
#include "numbers.h"

#include <string>
#include <utility>
#include <vector>

constexpr const char* SAMPLESWITCHNAME = "Door open";
constexpr const char* SAMPLEVARIABLENAME = "Keys";

inline std::string GAMECHUNK(std::int32_t id, const std::string& payload) {
    return ENCODENUMBER(id) + ENCODENUMBER(static_cast<std::int32_t>(payload.size())) + payload;
}

// A list of entries, each its id and its chunks with the closing chunk id 0.
inline std::string GAMELIST(const std::vector<std::pair<std::int32_t, std::string>>& entries) {
    std::string list = ENCODENUMBER(static_cast<std::int32_t>(entries.size()));
    for (const auto& [id, body] : entries)
        list += ENCODENUMBER(id) + body;
    return list;
}

inline std::string KINDNAMED(KESTREL::BYTEVIEW kind) {
    return ENCODENUMBER(static_cast<std::int32_t>(kind.size())) + std::string(kind);
}

inline std::string SAMPLECONTENT(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return ENCODE(format, RICHEVENT().get());
}

// The body of a content: what follows its length and the fields of its framing.
inline std::string SAMPLEBODY(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return SAMPLECONTENT(format).substr(format == KESTREL::CB_MAPEVENT ? 5 : 8);
}

// A map file whose list of events is the one given.
inline std::string MAPFILEWITHEVENTS(const std::string& events) {
    using namespace KESTREL;
    using namespace PAGEWRIGHT;
    return KINDNAMED(MAPFILEKINDNAME) + GAMECHUNK(IDLISTOF(IDKIND::MAPEVENT).chunk, events) +
           ENCODENUMBER(ENDCHUNK);
}

inline std::string SAMPLEMAPFILE() {
    return MAPFILEWITHEVENTS(GAMELIST({{1, SAMPLEBODY(KESTREL::CB_MAPEVENT)}}));
}

inline std::string SAMPLENAMEDLIST(const std::string& name) {
    using namespace KESTREL;
    using namespace PAGEWRIGHT;
    return GAMELIST({{1, GAMECHUNK(DATABASEENTRYCHUNK::NAME, name) + ENCODENUMBER(ENDCHUNK)}});
}

inline std::string SAMPLEDATABASE() {
    using namespace KESTREL;
    using namespace PAGEWRIGHT;
    return KINDNAMED(DATABASEKINDNAME) +
           GAMECHUNK(IDLISTOF(IDKIND::TROOP).chunk, GAMELIST({{1, SAMPLEBODY(CB_MONSTERGROUP)}})) +
           GAMECHUNK(IDLISTOF(IDKIND::SWITCH).chunk, SAMPLENAMEDLIST(SAMPLESWITCHNAME)) +
           GAMECHUNK(IDLISTOF(IDKIND::VARIABLE).chunk, SAMPLENAMEDLIST(SAMPLEVARIABLENAME)) +
           GAMECHUNK(IDLISTOF(IDKIND::COMMONEVENT).chunk,
                     GAMELIST({{1, SAMPLEBODY(CB_COMMONEVENT)}}));
}

// A map tree entry's chunks; the editor leaves out the root's parent and
// indentation, which are 0.
inline std::string MAPTREEENTRY(const std::string& name, std::int32_t parent,
                                std::int32_t indentation, PAGEWRIGHT::MAPTYPE type) {
    using namespace PAGEWRIGHT;
    std::string chunks = GAMECHUNK(MAPTREEENTRYCHUNK::NAME, name);
    if (parent) chunks += GAMECHUNK(MAPTREEENTRYCHUNK::PARENT, ENCODENUMBER(parent));
    if (indentation) chunks += GAMECHUNK(MAPTREEENTRYCHUNK::INDENTATION, ENCODENUMBER(indentation));
    return chunks +
           GAMECHUNK(MAPTREEENTRYCHUNK::TYPE, ENCODENUMBER(static_cast<std::int32_t>(type))) +
           ENCODENUMBER(KESTREL::ENDCHUNK);
}

// A map tree of the entries and the tree's order, its first entry the one the
// editor showed last, and where the game starts left at its defaults.
inline std::string MAPTREEFILE(const std::vector<std::pair<std::int32_t, std::string>>& entries,
                               const std::vector<std::int32_t>& order) {
    std::string tree = KINDNAMED(PAGEWRIGHT::MAPTREEKINDNAME) + GAMELIST(entries) +
                       ENCODENUMBER(static_cast<std::int32_t>(order.size()));
    for (const std::int32_t id : order)
        tree += ENCODENUMBER(id);
    return tree + ENCODENUMBER(order.empty() ? 0 : order.front()) + ENCODENUMBER(KESTREL::ENDCHUNK);
}

// The map 1, "Harbour", holds the area 2, "Quay"; the map 3, "Lighthouse",
// whose file the sample game lacks, comes first in the tree.
inline std::string SAMPLEMAPTREE() {
    using PAGEWRIGHT::MAPTYPE;
    return MAPTREEFILE({{0, MAPTREEENTRY("Sample game", 0, 0, MAPTYPE::ROOT)},
                        {1, MAPTREEENTRY("Harbour", 0, 1, MAPTYPE::MAP)},
                        {2, MAPTREEENTRY("Quay", 1, 2, MAPTYPE::AREA)},
                        {3, MAPTREEENTRY("Lighthouse", 0, 1, MAPTYPE::MAP)}},
                       {0, 3, 1, 2});
}

#endif
