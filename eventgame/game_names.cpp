#include "game_names.h"

#include "name_text.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

const std::string* GAMENAMES::NAMEOF(IDKIND kind, std::int32_t id) const {
    const auto [found, added] = texts_.try_emplace({kind, id});
    const LISTHOME home = IDLISTOF(kind).home;
    const GAMEFILE* file = home == LISTHOME::DATABASE  ? database_
                           : home == LISTHOME::MAPFILE ? map_
                                                       : nullptr;
    if (added && file) {
        if (const std::optional<BYTEVIEW> name = file->NAMEOF(kind, id)) {
            found->second = TEXTOFNAME(*name, codepage_);
        }
    }
    return found->second ? &*found->second : nullptr;
}

} // namespace PAGEWRIGHT
