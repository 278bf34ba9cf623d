// The lists of what the editor numbers, one row each: the word the readable
// forms write for an id of it, and where a game holds the list. The listing
// reads the words and the game library the places; neither builds on the
// other, and both build on this library.
#ifndef PAGEWRIGHT_EVENTTEXT_ID_LISTS_H
#define PAGEWRIGHT_EVENTTEXT_ID_LISTS_H

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// In the order of the database's chunks, which the game library reads the
// lists in.
enum class IDKIND : std::uint8_t {
    ACTOR,
    SKILL,
    ITEM,
    ENEMY,
    TROOP,
    TERRAIN,
    ATTRIBUTE,
    STATE,
    ANIMATION,
    TILESET,
    SWITCH,
    VARIABLE,
    COMMONEVENT,
    BATTLECOMMAND,
    CLASS,
    BATTLERANIMATION,
    MAPEVENT,
    MAP,
};
// How many, counted from the last.
constexpr std::size_t IDKINDS = static_cast<std::size_t>(IDKIND::MAP) + 1;

// The file of a game that holds a list.
enum class LISTHOME : std::uint8_t {
    DATABASE, // RPG_RT.ldb
    MAPFILE,  // MapNNNN.lmu, which lists the map's own events
    MAPTREE,  // RPG_RT.lmt, which lists the maps
};

struct IDLIST {
    IDKIND kind;
    // As the listing's forms write the kind of an id (a style, "{1:switch}").
    std::string_view word;
    LISTHOME home;
    // The chunk of the file's top level that holds the list; 0, which no
    // chunk has, in the map tree, whose entries lie bare in the file.
    std::int32_t chunk;
    // Where the list lies nested in that chunk among other chunks, the chunk
    // inside it that is the list; else 0.
    std::int32_t nested;
};

// Classes, battle commands and battler animations are only in the databases
// of the later engine, whose battle screen's settings hold the battle
// commands.
inline constexpr IDLIST IDLISTS[] = {
    {IDKIND::ACTOR, "actor", LISTHOME::DATABASE, 11, 0},
    {IDKIND::SKILL, "skill", LISTHOME::DATABASE, 12, 0},
    {IDKIND::ITEM, "item", LISTHOME::DATABASE, 13, 0},
    {IDKIND::ENEMY, "enemy", LISTHOME::DATABASE, 14, 0},
    {IDKIND::TROOP, "troop", LISTHOME::DATABASE, 15, 0},
    {IDKIND::TERRAIN, "terrain", LISTHOME::DATABASE, 16, 0},
    {IDKIND::ATTRIBUTE, "attribute", LISTHOME::DATABASE, 17, 0},
    {IDKIND::STATE, "state", LISTHOME::DATABASE, 18, 0},
    {IDKIND::ANIMATION, "animation", LISTHOME::DATABASE, 19, 0},
    {IDKIND::TILESET, "tileset", LISTHOME::DATABASE, 20, 0},
    {IDKIND::SWITCH, "switch", LISTHOME::DATABASE, 23, 0},
    {IDKIND::VARIABLE, "variable", LISTHOME::DATABASE, 24, 0},
    {IDKIND::COMMONEVENT, "common", LISTHOME::DATABASE, 25, 0},
    {IDKIND::BATTLECOMMAND, "battlecommand", LISTHOME::DATABASE, 29, 10},
    {IDKIND::CLASS, "class", LISTHOME::DATABASE, 30, 0},
    {IDKIND::BATTLERANIMATION, "battleranimation", LISTHOME::DATABASE, 32, 0},
    {IDKIND::MAPEVENT, "event", LISTHOME::MAPFILE, 81, 0},
    {IDKIND::MAP, "map", LISTHOME::MAPTREE, 0, 0},
};

constexpr const IDLIST& IDLISTOF(IDKIND kind) {
    return IDLISTS[static_cast<std::size_t>(kind)];
}

constexpr bool ROWSINKINDORDER() {
    for (std::size_t index = 0; index < IDKINDS; ++index) {
        if (static_cast<std::size_t>(IDLISTS[index].kind) != index) return false;
    }
    return std::size(IDLISTS) == IDKINDS;
}
static_assert(ROWSINKINDORDER(), "IDLISTOF finds a kind's row at its index");

// The names of ids as text, such as those a game's files give them. Null for
// an id that has no name there.
class IDNAMES {
public:
    virtual ~IDNAMES() = default;
    virtual const std::string* NAMEOF(IDKIND kind, std::int32_t id) const = 0;
};

} // namespace PAGEWRIGHT

#endif
