// Event data as a listing (docs/event-listing.md): one event, or every event
// of a game file.
#include "clipboard_text.h"
#include "codepage_choice.h"
#include "commands.h"
#include "event_listing.h"
#include "event_source.h"
#include "files.h"
#include "game_names.h"
#include "game_source.h"
#include "messages.h"

#include <filesystem>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// A plain argument of digits names a format; any other, a game file.
bool NAMESAFORMAT(const char* text) {
    return *text && std::string_view(text).find_first_not_of("0123456789") == std::string::npos;
}

// Each event of the file in id order, headed by a note of its selector, a
// blank line between them: a map file's events; a database's monster groups,
// then its common events, as events lists them.
std::string LISTINGOFFILE(const GAMEFILE& file, std::int32_t map, const CODEPAGE& codepage,
                          const IDNAMES& names) {
    std::string listing;
    for (const GAMEENTRY& entry : file.ENTRIES()) {
        const SELECTOR selector{entry.kind, map, entry.id};
        const CLIPBOARDCONTENTTYPE format = SELECTEDFORMAT(selector);
        const EVENTTREE tree(DECODECONTENT(format, ENTRYCONTENT(file, entry)));
        if (!listing.empty()) listing += '\n';
        listing += std::string(NOTEMARK) + ' ' + SELECTORTEXT(selector) + '\n' +
                   LISTEVENT(format, *tree, codepage, &names);
    }
    return listing;
}

// The names of what a game file's events refer to: DB's, else the file's own
// when it is a database, else the game's database's; a map file names its
// own events, and the game's tree names maps.
GAMENAMES NAMESFOR(const GAMEFILE* given, const GAMEFILE* file, const GAME* game,
                   const CODEPAGE& codepage) {
    const bool is_map = file && file->KIND() == GAMEFILEKIND::MAP;
    const GAMEFILE* database = given             ? given
                               : file && !is_map ? file
                               : game            ? &game->database
                                                 : nullptr;
    return GAMENAMES(database, is_map ? file : nullptr, codepage,
                     game && game->tree ? &*game->tree : nullptr);
}

int PUTLISTING(const ARGUMENTS& arguments, const std::string& listing) {
    if (arguments.SWITCH("--as-text")) {
        if (arguments.VALUE("-o")) return REPORTFAILURE("--as-text and -o are each a place for it");
        if (!PUTCLIPBOARDTEXT(listing)) return REPORTFAILURE(CLIPBOARDWRITEFAILED);
        return 0;
    }
    return WRITEOUTPUT(arguments.VALUE("-o"), listing);
}

// The number of the map file's name that the name ends in, as the name of a
// copy ends that git makes for a diff ("1a2b_Map0003.lmu").
std::optional<std::int32_t> MAPNUMBERATENDOF(std::string_view name) {
    return MAPNUMBEROFFILE(
        name.substr(name.size() < MAPFILENAMELENGTH ? 0 : name.size() - MAPFILENAMELENGTH));
}

// A map file's number is that of the name it ends in.
int LISTFILE(const ARGUMENTS& arguments, const std::string& path, const GAMEFILE* database,
             const GAME* game, const CODEPAGE& codepage) {
    const std::optional<GAMEFILE> file = READGAMEFILE(path, std::nullopt);
    if (!file) return 1;
    const GAMENAMES names = NAMESFOR(database, &*file, game, codepage);
    const std::int32_t map =
        file->KIND() == GAMEFILEKIND::MAP
            ? MAPNUMBERATENDOF(std::filesystem::path(path).filename().string()).value_or(0)
            : 0;
    return PUTLISTING(arguments, LISTINGOFFILE(*file, map, codepage, names));
}

// The folder of the game whose names and code page a listing takes: GAME's;
// else DB's, when it is the folder's database; else GAMEFILE's, when it lies
// in a game's folder. Both sides of a diff of game files, one of which git
// copies elsewhere, are so listed alike when DB is given.
std::optional<std::string> GAMEOFLISTING(const ARGUMENTS& arguments, const char* file) {
    if (const char* game = arguments.VALUE("--game")) return game;
    const char* database = arguments.VALUE("--database");
    const std::filesystem::path path = database ? database : file ? file : "";
    if (path.empty() || (database && !ISDATABASEFILE(path.filename().string()))) {
        return std::nullopt;
    }
    const std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
    std::error_code error;
    const std::optional<GAMEFOLDER> read = GAMEFOLDER::READ(folder, error);
    if (!read || !read->DATABASEPATH()) return std::nullopt;
    return folder;
}

} // namespace

int LISTCOMMAND(const ARGUMENTS& arguments) {
    const char* first = arguments.PLAIN(0);
    const char* file = first && !NAMESAFORMAT(first) ? first : nullptr;
    if (file && (arguments.VALUE("--from") || arguments.VALUE("--game"))) {
        return REPORTFAILURE(std::string(file) + " is a source already; give no --from or --game");
    }
    std::optional<GAMEFILE> database;
    if (const char* path = arguments.VALUE("--database")) {
        database = READGAMEFILE(path, GAMEFILEKIND::DATABASE);
        if (!database) return 1;
    }
    std::optional<GAME> game;
    if (const std::optional<std::string> folder = GAMEOFLISTING(arguments, file)) {
        game = READGAME(*folder);
        if (!game) return 1;
    }
    const CODEPAGECHOICE choice = CHOOSECODEPAGE(arguments, game ? &*game : nullptr);
    if (!choice.codepage) return 1;
    const GAMEFILE* given = database ? &*database : nullptr;
    const GAME* named_by = game ? &*game : nullptr;
    if (file) return LISTFILE(arguments, file, given, named_by, *choice.codepage);
    const std::optional<SOURCEDEVENT> event = EVENTOFARGUMENTS(arguments);
    if (!event) return 1;
    // An event of --game is named as the file it lies in, and by the game.
    const GAMENAMES names =
        NAMESFOR(given, event->game ? &event->game->file : nullptr, named_by, *choice.codepage);
    return PUTLISTING(arguments, LISTEVENT(event->format, *event->tree, *choice.codepage, &names));
}

} // namespace PAGEWRIGHT
