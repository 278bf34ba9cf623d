#include "commands.h"

#include "alternatives.h"
#include "codepage_choice.h"
#include "event_formats.h"
#include "messages.h"
#include "version.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

namespace PAGEWRIGHT {
namespace {

constexpr COMMAND COMMANDS[] = {
    {"formats", "", "the supported formats on the clipboard, with their sizes", FORMATSCOMMAND},
    {"save", "FORMAT FILE", "write the format's content to FILE", SAVECOMMAND},
    {"load", "FORMAT FILE", "put FILE's bytes on the clipboard under FORMAT, alone", LOADCOMMAND},
    {"clear", "", "empty the clipboard", CLEARCOMMAND},
    {"dump", "[FORMAT] [--game GAME SELECTOR]",
     "the decoded tree of FORMAT, or of the first event format; with --game, of the content "
     "SELECTOR names in GAME",
     DUMPCOMMAND},
    {"export", "[FORMAT] [--codepage CP] [--from FILE] [--game GAME SELECTOR] [-o OUT] [--verbose]",
     "the decoded tree as JSON, on standard output or into OUT: of FORMAT, or of the first "
     "event format on the clipboard; with --from, of FILE, a content as save writes it; with "
     "--game, of the content SELECTOR names in GAME",
     EXPORTCOMMAND},
    {"list",
     "[FORMAT|GAMEFILE] [--codepage CP] [--from FILE] [--game GAME SELECTOR] [--database DB] "
     "[-o OUT] [--as-text] [--verbose]",
     "the event as a listing, as the editor shows its commands: on standard output, into "
     "OUT, or with --as-text onto the clipboard as text, in place of the event; of FORMAT, "
     "or of the first event format on the clipboard; with --from, of FILE; with --game, of "
     "the content SELECTOR names in GAME; of GAMEFILE, a MapNNNN.lmu or RPG_RT.ldb, every "
     "event it holds. Ids carry their names from DB, an RPG_RT.ldb, or else from the game's "
     "database; the game, whose map tree names maps and whose code page is taken, is GAME, "
     "else DB's folder, else GAMEFILE's folder when it holds a game",
     LISTCOMMAND},
    {"import", "[FILE] [--text] [--as FORMAT] [--codepage CP] [--to OUT]",
     "the JSON or listing of FILE (or of standard input, or with --text of the clipboard's "
     "text) onto the clipboard, alone, as the format it names or as FORMAT; with --to, into "
     "OUT as save writes it",
     IMPORTCOMMAND},
    {"events", "GAME [--codepage CP] [--verbose]",
     "one line for each map event, monster group and common event of GAME: its selector, its "
     "name, its position (x,y) or trigger, its page count and its map's name",
     EVENTSCOMMAND},
    {"maps", "GAME [--codepage CP] [--verbose]",
     "the maps of GAME as the editor's tree shows them, after a note of the code page: a line "
     "for each map and area with its id, name and parent, marked where it is an area or its "
     "file is missing",
     MAPSCOMMAND},
    {"take", "GAME SELECTOR",
     "put the content SELECTOR names in GAME onto the clipboard, alone, framed as the editor "
     "frames a copy",
     TAKECOMMAND},
    {"put", "GAME SELECTOR [--from FILE] [--at X,Y] [--dry-run] [--no-backup]",
     "write a content into GAME at the place SELECTOR names, replacing or adding it: the "
     "clipboard's content of SELECTOR's format, else its first event format converted as "
     "import --as converts; with --from, FILE's, a content as save writes it. A map event "
     "stands where its content places it, or with --at at X,Y. The old file is kept as "
     "NAME.bak unless --no-backup; --dry-run says what would change and writes nothing",
     PUTCOMMAND},
    {"remove", "GAME SELECTOR [--dry-run] [--no-backup]",
     "remove the map event, or the page of a map event or troop, that SELECTOR names from "
     "GAME; later pages are numbered anew from 1 as the editor numbers them",
     REMOVECOMMAND},
    {"export-texts", "GAME -o DIR [--codepage CP] [--verbose]",
     "every text of GAME that its player reads into PO files in DIR, for translators: "
     "RPG_RT.ldb.po, RPG_RT.ldb.common.po, RPG_RT.ldb.battle.po, RPG_RT.lmt.po and one "
     "MapNNNN.po for each map with texts",
     EXPORTTEXTSCOMMAND},
    {"import-texts", "GAME DIR [-o NEWGAME] [--codepage CP] [--verbose]",
     "the translations of the PO files in DIR into a copy of GAME's files in NEWGAME, by "
     "default the new folder \"GAME (DIR)\" beside GAME; into GAME itself when NEWGAME is "
     "GAME, each changed file kept as NAME.bak",
     IMPORTTEXTSCOMMAND},
    {"help", "", "this text", HELPCOMMAND},
};

constexpr std::size_t LINEWIDTH = 79;
constexpr std::size_t SUMMARYCOLUMN = 23;
constexpr std::size_t USAGEINDENT = 6;

// The words of the text, from `column` of a line on, in lines of at most
// LINEWIDTH columns, each further line led by `indent` spaces.
std::string WRAPPED(const std::string& text, std::size_t indent, std::size_t column) {
    std::string wrapped;
    bool line_started = false;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (line_started && column + 1 + word.size() > LINEWIDTH) {
            wrapped += '\n' + std::string(indent, ' ');
            column = indent;
            line_started = false;
        }
        if (line_started) {
            wrapped += ' ';
            ++column;
        }
        wrapped += word;
        column += word.size();
        line_started = true;
    }
    return wrapped + '\n';
}

// A command's name and usage line, wrapped without breaking a bracketed
// group, with no line end after the last line.
std::string USAGELINES(const COMMAND& command) {
    std::string line = std::string("  ") + command.name;
    if (*command.usage) line += std::string(" ") + command.usage;
    constexpr char GLUE = '\x01';
    int depth = 0;
    for (char& character : line) {
        if (character == '[') ++depth;
        if (character == ']') --depth;
        if (character == ' ' && depth > 0) character = GLUE;
    }
    std::string lines = "  " + WRAPPED(line, USAGEINDENT, 0);
    lines.pop_back();
    std::replace(lines.begin(), lines.end(), GLUE, ' ');
    return lines;
}

std::string USAGETEXT() {
    std::string text = "usage: pagewright-clip COMMAND | --help | --version\n";
    for (const COMMAND& command : COMMANDS) {
        std::string line = USAGELINES(command);
        if (line.find('\n') == std::string::npos && line.size() + 1 < SUMMARYCOLUMN) {
            line.resize(SUMMARYCOLUMN, ' ');
        } else {
            line += '\n' + std::string(SUMMARYCOLUMN, ' ');
        }
        text += line + WRAPPED(command.summary, SUMMARYCOLUMN, SUMMARYCOLUMN);
    }
    const std::string formats =
        ALTERNATIVES(KESTREL::CLIPBOARDFORMATS, [](KESTREL::CLIPBOARDCONTENTTYPE format) {
            return std::to_string(format) + (format == KESTREL::CB_TEXT ? " (text)" : "");
        });
    text += WRAPPED("FORMAT is a number: " + formats + ".", 0, 0);
    text += WRAPPED(std::string("GAME is a game's folder, the one that holds RPG_RT.ldb. "
                                "SELECTOR names one content of it: ") +
                        SELECTORFORMS + ", with the editor's numbers.",
                    0, 0);
    text += WRAPPED("CP is the code page of names and texts: " + CODEPAGELIST() +
                        "; without --codepage, PAGEWRIGHT_CODEPAGE, else a game's own, which "
                        "its RPG_RT.ini names where its texts agree and is else found from "
                        "them, else the system's ANSI code page on Windows and 1252 "
                        "elsewhere; --verbose says which and why. docs/event-json.md "
                        "describes the JSON, docs/event-listing.md the listing.",
                    0, 0);
    return text;
}

int USAGEERROR() {
    std::fputs(USAGETEXT().c_str(), stderr);
    return 2;
}

// The command's own usage line, not the whole help, which would bury what
// went wrong.
int COMMANDUSAGEERROR(const COMMAND& command) {
    std::fprintf(stderr,
                 "usage: pagewright-clip %s %s\n\"pagewright-clip help\" says what each word "
                 "means\n",
                 command.name, command.usage);
    return 2;
}

// One line, not the whole help, which would bury what went wrong.
int UNKNOWNCOMMAND(const std::string& name) {
    std::fprintf(stderr,
                 "pagewright-clip: unknown command \"%s\"; \"pagewright-clip help\" lists "
                 "the commands\n",
                 name.c_str());
    return 2;
}

} // namespace

int HELPCOMMAND(const ARGUMENTS&) {
    std::fputs(USAGETEXT().c_str(), stdout);
    return 0;
}

int RUNCOMMANDLINE(int count, char** arguments) {
    if (count < 1) return USAGEERROR();
    if (count == 1 && std::strcmp(arguments[0], "--version") == 0) {
        std::printf("pagewright-clip %s\n", PAGEWRIGHT_VERSION);
        return 0;
    }
    const std::string name = std::strcmp(arguments[0], "--help") == 0 ? "help" : arguments[0];
    for (const COMMAND& command : COMMANDS) {
        if (name != command.name) continue;
        ARGUMENTS parsed;
        if (!PARSEARGUMENTS(command.usage, {arguments + 1, arguments + count}, parsed)) {
            return COMMANDUSAGEERROR(command);
        }
        return command.run(parsed);
    }
    return UNKNOWNCOMMAND(name);
}

} // namespace PAGEWRIGHT
