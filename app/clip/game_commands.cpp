// The commands that read a game's files: the index of its events, and one
// content of it onto the clipboard.
#include "codepage_choice.h"
#include "commands.h"
#include "event_listing.h"
#include "files.h"
#include "game_source.h"
#include "messages.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

std::string TRIGGERWORD(std::int32_t trigger) {
    switch (trigger) {
    case COMMONAUTOSTART:
        return "autostart";
    case COMMONPARALLEL:
        return "parallel";
    case COMMONCALLED:
        return "call";
    default:
        return "trigger " + std::to_string(trigger);
    }
}

std::string PLACEOF(ENTRYKIND kind, const ENTRYFACTS& facts) {
    switch (kind) {
    case ENTRYKIND::MAPEVENT:
        return "(" + std::to_string(facts.x) + "," + std::to_string(facts.y) + ")";
    case ENTRYKIND::TROOP:
        break;
    case ENTRYKIND::COMMONEVENT:
        return TRIGGERWORD(facts.trigger);
    }
    return "-";
}

// A common event is one page of commands.
std::string PAGECOUNT(ENTRYKIND kind, const ENTRYFACTS& facts) {
    return PAGESTEXT(kind == ENTRYKIND::COMMONEVENT ? 1 : facts.pages.size());
}

// One line per entry: its selector, its quoted name, its position, its
// trigger or "-" for a monster group, which has neither, its page count, and
// the quoted name of its map, or "-" for an entry of no map and one the map
// tree does not name; each after a tab, which a quoted name never holds.
void APPENDENTRYLINES(std::string& lines, const GAMEFILE& file, std::int32_t map,
                      const std::string& map_name, const CODEPAGE& codepage) {
    for (const GAMEENTRY& entry : file.ENTRIES()) {
        const SELECTOR selector{entry.kind, map, entry.id};
        const ENTRYFACTS facts = file.FACTSOF(entry);
        lines += SELECTORTEXT(selector) + '\t' + QUOTEDTEXT(file.BYTESOF(facts.name), codepage) +
                 '\t' + PLACEOF(entry.kind, facts) + '\t' + PAGECOUNT(entry.kind, facts) + '\t' +
                 map_name + '\n';
    }
}

std::string MAPNAMEOF(const GAME& game, std::int32_t map, const CODEPAGE& codepage) {
    const std::optional<BYTEVIEW> name = game.tree ? game.tree->NAMEOF(map) : std::nullopt;
    return name ? QUOTEDTEXT(*name, codepage) : "-";
}

} // namespace

// Maps in number order, then the monster groups and common events, each in id
// order. Nothing is written unless every file can be read.
int EVENTSCOMMAND(const ARGUMENTS& arguments) {
    const std::optional<GAME> game = READGAME(arguments.PLAIN(0));
    if (!game) return 1;
    const CODEPAGECHOICE choice = CHOOSECODEPAGE(arguments, &*game);
    if (!choice.codepage) return 1;
    const CODEPAGE& codepage = *choice.codepage;
    std::string lines;
    for (const auto& [number, path] : game->folder.MAPPATHS()) {
        const std::optional<GAMEFILE> map = READGAMEFILE(path, GAMEFILEKIND::MAP);
        if (!map) return 1;
        APPENDENTRYLINES(lines, *map, number, MAPNAMEOF(*game, number, codepage), codepage);
    }
    APPENDENTRYLINES(lines, game->database, 0, "-", codepage);
    return WRITEOUTPUT(nullptr, lines);
}

int TAKECOMMAND(const ARGUMENTS& arguments) {
    const std::optional<TAKENCONTENT> taken = TAKEFROMGAME(arguments.PLAIN(0), arguments.PLAIN(1));
    if (!taken) return 1;
    return PUTONCLIPBOARD(taken->format, taken->content);
}

} // namespace PAGEWRIGHT
