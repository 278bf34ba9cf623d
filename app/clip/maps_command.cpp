// The maps of a game as the editor's tree shows them.
#include "codepage_choice.h"
#include "commands.h"
#include "event_listing.h"
#include "files.h"
#include "game_source.h"
#include "messages.h"

#include <algorithm>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Deeper entries are shown as deep as this, so that a tree's lines stay as
// short as its names whatever indentation it stores.
constexpr std::int32_t MOSTSHOWNLEVELS = 32;
constexpr std::size_t SPACESPERLEVEL = 2;

std::string MAPTEXT(std::int32_t id) {
    return std::string(IDLISTOF(IDKIND::MAP).word) + std::to_string(id);
}

// The map's id, its quoted name, its parent map or "-" under the root, and
// for an area or a map whose file the game lacks a word that says so; each
// after a tab, which a quoted name never holds, indented by its level below
// the root.
std::string MAPLINE(const GAME& game, const MAPENTRY& entry, const CODEPAGE& codepage) {
    const std::int32_t level = std::clamp(entry.indentation, 1, MOSTSHOWNLEVELS) - 1;
    std::string line = std::string(SPACESPERLEVEL * static_cast<std::size_t>(level), ' ') +
                       MAPTEXT(entry.id) + '\t' +
                       QUOTEDTEXT(game.tree->BYTESOF(entry.name), codepage) + '\t' +
                       (entry.parent == 0 ? "-" : MAPTEXT(entry.parent));
    if (entry.type == MAPTYPE::AREA) {
        line += "\tarea";
    } else if (game.folder.MAPPATHS().count(entry.id) == 0) {
        line += "\tno file";
    }
    return line + '\n';
}

} // namespace

// A note of the code page first, then a line for each map and area in the
// tree's order; the root, which holds the game's title, has none.
int MAPSCOMMAND(const ARGUMENTS& arguments) {
    const std::optional<GAME> game = READGAME(arguments.PLAIN(0));
    if (!game) return 1;
    if (!game->tree) {
        return REPORTFAILURE(game->path + " holds no " + MAPTREEFILENAME + ": it lists no maps");
    }
    const CODEPAGECHOICE choice = CHOOSECODEPAGE(arguments, &*game);
    if (!choice.codepage) return 1;
    std::string lines = std::string(NOTEMARK) + " code page " +
                        std::to_string(choice.codepage->NUMBER()) + ", " + choice.reason + '\n';
    for (const std::size_t index : game->tree->TREEORDER()) {
        const MAPENTRY& entry = game->tree->ENTRIES()[index];
        if (entry.type != MAPTYPE::ROOT) lines += MAPLINE(*game, entry, *choice.codepage);
    }
    return WRITEOUTPUT(nullptr, lines);
}

} // namespace PAGEWRIGHT
