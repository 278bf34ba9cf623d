#include "game_names.h"

#include "name_text.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// The name's bytes in the file that holds the kind's list.
std::optional<BYTEVIEW> NAMEIN(const GAMEFILE* file, IDKIND kind, std::int32_t id) {
    return file ? file->NAMEOF(kind, id) : std::nullopt;
}

} // namespace

const std::string* GAMENAMES::NAMEOF(IDKIND kind, std::int32_t id) const {
    const auto [found, added] = texts_.try_emplace({kind, id});
    if (!added) return found->second ? &*found->second : nullptr;
    std::optional<BYTEVIEW> name;
    switch (IDLISTOF(kind).home) {
    case LISTHOME::DATABASE:
        name = NAMEIN(database_, kind, id);
        break;
    case LISTHOME::MAPFILE:
        name = NAMEIN(map_, kind, id);
        break;
    case LISTHOME::MAPTREE:
        if (tree_) name = tree_->NAMEOF(id);
        break;
    }
    if (name) found->second = TEXTOFNAME(*name, codepage_);
    return found->second ? &*found->second : nullptr;
}

} // namespace PAGEWRIGHT
