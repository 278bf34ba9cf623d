// The commands that write a game's files: one content put at the place a
// selector names, and a map event or a page removed. The file is replaced
// only after the new bytes read back as put, and as REPLACEFILE replaces it.
#include "codepage_choice.h"
#include "commands.h"
#include "event_listing.h"
#include "event_source.h"
#include "file_replace.h"
#include "files.h"
#include "format_names.h"
#include "game_put.h"
#include "game_source.h"
#include "messages.h"

#include <cstdio>
#include <cstdlib>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

constexpr const char* NOTHINGWRITTEN = "; nothing written";

std::string PLACETEXT(POSITION place) {
    return "(" + std::to_string(place.x) + "," + std::to_string(place.y) + ")";
}

// X,Y: two numbers from 0 on.
std::optional<POSITION> READPOSITION(const char* text) {
    char* end = nullptr;
    const long x = std::strtol(text, &end, 10);
    if (end == text || *end != ',' || x < 0 || x > INT32_MAX) return std::nullopt;
    const char* second = end + 1;
    const long y = std::strtol(second, &end, 10);
    if (end == second || *end != '\0' || y < 0 || y > INT32_MAX) return std::nullopt;
    return POSITION{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

// The content to put, of the selector's format: FILE's, else the clipboard's
// of the format, else the clipboard's first event format converted as import
// --as converts; or nothing after saying why. `converted` says whether it
// was.
std::optional<BYTESTRING> CONTENTTOPUT(const ARGUMENTS& arguments, CLIPBOARDCONTENTTYPE format,
                                       bool& converted) {
    converted = false;
    if (const char* from = arguments.VALUE("--from")) {
        std::string bytes;
        std::string reason;
        if (!READINPUT(from, MAXGAMEFILEBYTES, bytes, reason)) {
            REPORTFAILURE(CANNOTREAD(from, reason));
            return std::nullopt;
        }
        return bytes;
    }
    if (CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(format))) {
        std::optional<BYTESTRING> block = CLIPBOARDBLOCK(format);
        if (!block) return std::nullopt;
        return BYTESTRING(CONTENTOFBLOCK(format, *block));
    }
    const CLIPBOARDCONTENTTYPE first = FIRSTEVENTFORMAT();
    if (first == CLIPBOARDCONTENTTYPE{}) {
        REPORTFAILURE(NOEVENTDATA);
        return std::nullopt;
    }
    const std::optional<BYTESTRING> block = CLIPBOARDBLOCK(first);
    if (!block) return std::nullopt;
    const EVENTTREE tree(DECODECONTENT(first, CONTENTOFBLOCK(first, *block)));
    if (!tree) {
        REPORTFAILURE("the clipboard's data of format " + std::to_string(first) + " is empty");
        return std::nullopt;
    }
    converted = true;
    return ENCODECONTENT(format, tree.get(), 1, 0, -1).value();
}

// What a refusal says after the selector.
std::string REFUSAL(const PUTERROR& error, const SELECTEDFILE& selected, const CODEPAGE& codepage) {
    const SELECTOR& selector = selected.selector;
    const std::string entry = SELECTORTEXT({selector.kind, selector.map, selector.id});
    switch (error.fault) {
    case PUTFAULT::UNREADABLE:
        return "the content is no " + std::string(FORMATNAME(SELECTEDFORMAT(selector))) +
               " that the game could read";
    case PUTFAULT::NOENTRY:
        return ABSENCE(selector, ABSENT::ENTRY) + " in " + selected.path;
    case PUTFAULT::NOPAGE:
        return ABSENCE(selector, ABSENT::PAGE) + " in " + selected.path;
    case PUTFAULT::NOTNEXT:
        return "one is added only as the next after the last, " +
               SELECTORTEXT({selector.kind, 0, error.id});
    case PUTFAULT::PAGENOTNEXT:
        return entry + " has " + PAGESTEXT(static_cast<std::size_t>(error.id)) +
               "; a page is added only as page " + std::to_string(error.id + 1);
    case PUTFAULT::OUTSIDE:
        return PLACETEXT(error.place) + " lies outside the map, which is " +
               std::to_string(error.bounds.x) + " by " + std::to_string(error.bounds.y);
    case PUTFAULT::TAKEN:
        break;
    case PUTFAULT::ONLYPAGE:
        // remove takes no monster group, so that it keeps at least one page.
        if (selector.kind == ENTRYKIND::TROOP) {
            return "it is the only page of " + entry + ", and a monster group keeps one";
        }
        return "it is the only page of " + entry + "; remove the event instead";
    case PUTFAULT::NOTREMOVABLE:
        return "remove takes a map event, or a page of a map event or troop";
    case PUTFAULT::NOLIST:
        return selected.path + " holds no list of its kind";
    case PUTFAULT::DISORDERED:
        return selected.path + " lists its events out of id order or one id twice, as the "
                               "editor never writes them";
    case PUTFAULT::UNVERIFIED:
        return "the file made would not read back as put, a fault of pagewright-clip";
    }
    const GAMEFILE& file = selected.source.file;
    const GAMEENTRY* there = file.ENTRYOF(selector.kind, error.id);
    const std::string name =
        there ? " " + QUOTEDTEXT(file.BYTESOF(file.FACTSOF(*there).name), codepage) : "";
    return PLACETEXT(error.place) + " is where " +
           SELECTORTEXT({selector.kind, selector.map, error.id}) + name + " stands";
}

// The change written, or with --dry-run said; the exit code.
int WRITECHANGE(const ARGUMENTS& arguments, const SELECTEDFILE& selected, const FILECHANGE& change,
                const std::string& done) {
    const std::string& path = selected.path;
    const std::string what = SELECTORTEXT(selected.selector) + ": " + done + " " + path + ", " +
                             std::to_string(selected.source.file.BYTES().size()) + " -> " +
                             std::to_string(change.bytes.size()) + " bytes, save counter " +
                             std::to_string(change.counter_before) + " -> " +
                             std::to_string(change.counter_after);
    if (arguments.SWITCH("--dry-run")) {
        std::printf("%s%s (dry run)\n", what.c_str(), NOTHINGWRITTEN);
        return 0;
    }
    if (const std::optional<REPLACEFAILURE> failure = REPLACEFILE(
            path, selected.source.file.BYTES(), change.bytes, !arguments.SWITCH("--no-backup"))) {
        return REPORTFAILURE(REPLACEREFUSAL(*failure, path) + NOTHINGWRITTEN);
    }
    std::printf("%s\n", what.c_str());
    std::fprintf(stderr, "pagewright-clip: %s\n", REOPENWARNING);
    return 0;
}

int REFUSE(const SELECTEDFILE& selected, const std::string& reason) {
    return REPORTFAILURE(SELECTORTEXT(selected.selector) + ": " + reason + NOTHINGWRITTEN);
}

} // namespace

int PUTCOMMAND(const ARGUMENTS& arguments) {
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    std::optional<POSITION> at;
    if (const char* text = arguments.VALUE("--at")) {
        at = READPOSITION(text);
        if (!at) {
            return REPORTFAILURE("--at " + std::string(text) + ": give X,Y, two numbers from 0");
        }
    }
    const std::optional<SELECTEDFILE> selected =
        OPENSELECTED(arguments.PLAIN(0), arguments.PLAIN(1));
    if (!selected) return 1;
    const SELECTOR& selector = selected->selector;
    const bool map_event =
        selector.kind == ENTRYKIND::MAPEVENT && selector.page == 0 && !selector.commands;
    if (at && !map_event) return REFUSE(*selected, "--at places only a map event");
    bool converted = false;
    const std::optional<BYTESTRING> content =
        CONTENTTOPUT(arguments, SELECTEDFORMAT(selector), converted);
    if (!content) return 1;
    const GAMEFILE& file = selected->source.file;
    // A content of another format has no position of its own: an event it
    // replaces stays where it stood, and a new one needs --at.
    const GAMEENTRY* held = file.ENTRYOF(selector.kind, selector.id);
    if (map_event && converted && !at) {
        if (!held) {
            return REFUSE(*selected, "a new map event made of another format has no "
                                     "position; give --at X,Y");
        }
        const ENTRYFACTS facts = file.FACTSOF(*held);
        at = POSITION{facts.x, facts.y};
    }
    try {
        const std::optional<FILECHANGE> change = PUTCONTENT(file, selector, *content, at);
        if (!change) {
            std::printf("%s: %s holds this content already%s\n", SELECTORTEXT(selector).c_str(),
                        selected->path.c_str(), NOTHINGWRITTEN);
            return 0;
        }
        return WRITECHANGE(arguments, *selected, *change, change->added ? "added to" : "put into");
    } catch (const PUTERROR& error) {
        return REFUSE(*selected, REFUSAL(error, *selected, *codepage));
    } catch (const GAMEFILEERROR& error) {
        return REPORTFAILURE(selected->path + ": " + GAMEFILEREFUSAL(error));
    }
}

int REMOVECOMMAND(const ARGUMENTS& arguments) {
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    const std::optional<SELECTEDFILE> selected =
        OPENSELECTED(arguments.PLAIN(0), arguments.PLAIN(1));
    if (!selected) return 1;
    try {
        const FILECHANGE change = REMOVECONTENT(selected->source.file, selected->selector);
        return WRITECHANGE(arguments, *selected, change, "removed from");
    } catch (const PUTERROR& error) {
        return REFUSE(*selected, REFUSAL(error, *selected, *codepage));
    } catch (const GAMEFILEERROR& error) {
        return REPORTFAILURE(selected->path + ": " + GAMEFILEREFUSAL(error));
    }
}

} // namespace PAGEWRIGHT
