// The names a game gives ids, as text: the database's names of switches,
// variables, items and the rest, a map file's names of its own events, and
// the map tree's names of maps.
#ifndef PAGEWRIGHT_EVENTGAME_GAME_NAMES_H
#define PAGEWRIGHT_EVENTGAME_GAME_NAMES_H

#include "codepage.h"
#include "game_file.h"
#include "id_lists.h"
#include "map_tree.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace PAGEWRIGHT {

class GAMENAMES final : public IDNAMES {
public:
    // Any file may be null; each must outlive the names. A name is taken as
    // text of the code page; one that is not, and so would not read the same
    // everywhere, is left out.
    GAMENAMES(const GAMEFILE* database, const GAMEFILE* map, const CODEPAGE& codepage,
              const MAPTREE* tree = nullptr)
        : database_(database), map_(map), tree_(tree), codepage_(codepage) {}

    const std::string* NAMEOF(IDKIND kind, std::int32_t id) const override;

private:
    const GAMEFILE* database_;
    const GAMEFILE* map_;
    const MAPTREE* tree_;
    const CODEPAGE& codepage_;
    // Each id's text once converted: a listing names the same few ids often.
    mutable std::map<std::pair<IDKIND, std::int32_t>, std::optional<std::string>> texts_;
};

} // namespace PAGEWRIGHT

#endif
