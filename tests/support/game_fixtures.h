// Small game files made of the rich tree's contents (fixtures.h): a map file
// whose event 1 is the tree written as a map event, and a database whose
// troop 1 and common event 1 are the tree written as those, with switch 1 and
// variable 1 named. Their events hold the encoder's bytes, so that taking
// them gives the contents back.
#ifndef PAGEWRIGHT_TESTS_GAME_FIXTURES_H
#define PAGEWRIGHT_TESTS_GAME_FIXTURES_H

#include "fixtures.h"
#include "formats/chunk_ids.h"
#include "game_chunk_ids.h"
#include "game_folder.h"
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

#endif
