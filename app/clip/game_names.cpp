#include "game_names.h"

#include "name_text.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

struct NAMINGLIST {
    IDKIND kind;
    NAMEDLIST list;
};

// Map events are named by their map file, everything else by the database.
constexpr NAMINGLIST NAMINGLISTS[] = {
    {IDKIND::SWITCH, NAMEDLIST::SWITCHES},
    {IDKIND::VARIABLE, NAMEDLIST::VARIABLES},
    {IDKIND::ITEM, NAMEDLIST::ITEMS},
    {IDKIND::ACTOR, NAMEDLIST::ACTORS},
    {IDKIND::SKILL, NAMEDLIST::SKILLS},
    {IDKIND::TROOP, NAMEDLIST::TROOPS},
    {IDKIND::ENEMY, NAMEDLIST::ENEMIES},
    {IDKIND::STATE, NAMEDLIST::STATES},
    {IDKIND::ANIMATION, NAMEDLIST::ANIMATIONS},
    {IDKIND::TILESET, NAMEDLIST::TILESETS},
    {IDKIND::TERRAIN, NAMEDLIST::TERRAINS},
    {IDKIND::ATTRIBUTE, NAMEDLIST::ATTRIBUTES},
    {IDKIND::COMMONEVENT, NAMEDLIST::COMMONEVENTS},
    {IDKIND::BATTLECOMMAND, NAMEDLIST::BATTLECOMMANDS},
    {IDKIND::CLASS, NAMEDLIST::CLASSES},
    {IDKIND::MAPEVENT, NAMEDLIST::MAPEVENTS},
};

} // namespace

const std::string* GAMENAMES::NAMEOF(IDKIND kind, std::int32_t id) const {
    const auto [found, added] = texts_.try_emplace({kind, id});
    if (added) {
        for (const NAMINGLIST& naming : NAMINGLISTS) {
            if (naming.kind != kind) continue;
            const GAMEFILE* file = kind == IDKIND::MAPEVENT ? map_ : database_;
            if (!file) break;
            if (const std::optional<BYTEVIEW> name = file->NAMEOF(naming.list, id)) {
                found->second = TEXTOFNAME(*name, codepage_);
            }
        }
    }
    return found->second ? &*found->second : nullptr;
}

} // namespace PAGEWRIGHT
