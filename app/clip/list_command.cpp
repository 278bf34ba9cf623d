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

// The names of what a game file's events refer to: the database that
// --database gave, or else the file itself when it is the database; a map
// file names its own events.
GAMENAMES NAMESFOR(const std::optional<GAMEFILE>& database, const GAMEFILE* file,
                   const CODEPAGE& codepage) {
    const bool is_map = file && file->KIND() == GAMEFILEKIND::MAP;
    return GAMENAMES(database ? &*database
                     : is_map ? nullptr
                              : file,
                     is_map ? file : nullptr, codepage);
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
int LISTFILE(const ARGUMENTS& arguments, const std::string& path,
             const std::optional<GAMEFILE>& database, const CODEPAGE& codepage) {
    if (arguments.VALUE("--from") || arguments.VALUE("--game")) {
        return REPORTFAILURE(path + " is a source already; give no --from or --game");
    }
    const std::optional<GAMEFILE> file = READGAMEFILE(path, std::nullopt);
    if (!file) return 1;
    const GAMENAMES names = NAMESFOR(database, &*file, codepage);
    const std::int32_t map =
        file->KIND() == GAMEFILEKIND::MAP
            ? MAPNUMBERATENDOF(std::filesystem::path(path).filename().string()).value_or(0)
            : 0;
    return PUTLISTING(arguments, LISTINGOFFILE(*file, map, codepage, names));
}

} // namespace

int LISTCOMMAND(const ARGUMENTS& arguments) {
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    std::optional<GAMEFILE> database;
    if (const char* path = arguments.VALUE("--database")) {
        database = READGAMEFILE(path, GAMEFILEKIND::DATABASE);
        if (!database) return 1;
    }
    const char* first = arguments.PLAIN(0);
    if (first && !NAMESAFORMAT(first)) return LISTFILE(arguments, first, database, *codepage);
    const std::optional<SOURCEDEVENT> event = EVENTOFARGUMENTS(arguments);
    if (!event) return 1;
    // An event of --game is named as the file it lies in, and an event of a
    // map file also by the game's database.
    const GAMEFILE* file = event->game ? &event->game->file : nullptr;
    if (file && file->KIND() == GAMEFILEKIND::MAP && !database) {
        database = READGAMEFILE(event->game->database_path, GAMEFILEKIND::DATABASE);
        if (!database) return 1;
    }
    const GAMENAMES names = NAMESFOR(database, file, *codepage);
    return PUTLISTING(arguments, LISTEVENT(event->format, *event->tree, *codepage, &names));
}

} // namespace PAGEWRIGHT
