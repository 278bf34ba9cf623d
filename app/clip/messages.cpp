#include "messages.h"

#include "file_replace.h"
#include "game_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace PAGEWRIGHT {

int REPORTFAILURE(const std::string& message) {
    std::fprintf(stderr, "pagewright-clip: %s\n", message.c_str());
    return 1;
}

std::string UNKNOWNFORMAT(const std::string& text) {
    return "unknown format " + text;
}

std::string NOTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return "no data of format " + std::to_string(format) + " on the clipboard";
}

std::string UNREADABLECLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return "the clipboard's data of format " + std::to_string(format) + " cannot be read";
}

std::string CANNOTREAD(const std::string& source, const std::string& reason) {
    return "cannot read " + source + ": " + reason;
}

std::string CANNOTWRITE(const std::string& target, const std::string& reason) {
    return "cannot write " + target + ": " + reason;
}

std::string NOTAGAMEFOLDER(const std::string& folder) {
    return folder + " holds no " + DATABASEFILENAME + ": it is no game's folder";
}

const char* const SELECTORFORMS =
    "mapN/eventN, mapN/eventN/pageN, mapN/eventN/pageN/commands, troopN, troopN/pageN, "
    "troopN/pageN/commands, commonN or commonN/commands";

std::string NOTASELECTOR(const std::string& text) {
    return "\"" + text + "\" is no selector: one is " + SELECTORFORMS;
}

std::string NAMESNOTHING(const std::string& selector, const std::string& reason) {
    return selector + " names nothing: " + reason;
}

std::string GAMEFILEREFUSAL(const GAMEFILEERROR& error) {
    switch (error.fault) {
    case GAMEFILEFAULT::LARGE:
        return "larger than any game file";
    case GAMEFILEFAULT::FOREIGN:
        return "not a map file or database of a game";
    case GAMEFILEFAULT::CUTSHORT:
        return "cut short at byte " + std::to_string(error.position);
    case GAMEFILEFAULT::DAMAGED:
        break;
    }
    return "damaged at byte " + std::to_string(error.position);
}

namespace {

std::string ENTRYWORDS(ENTRYKIND kind, std::int32_t id) {
    switch (kind) {
    case ENTRYKIND::MAPEVENT:
        return "event " + std::to_string(id);
    case ENTRYKIND::TROOP:
        return "troop " + std::to_string(id);
    case ENTRYKIND::COMMONEVENT:
        break;
    }
    return "common event " + std::to_string(id);
}

} // namespace

std::string PAGESTEXT(std::size_t pages) {
    return std::to_string(pages) + (pages == 1 ? " page" : " pages");
}

std::string REPLACEREFUSAL(const REPLACEFAILURE& failure, const std::string& path) {
    switch (failure.fault) {
    case REPLACEFAULT::WRITE:
        return CANNOTWRITE(path, failure.reason);
    case REPLACEFAULT::CHANGED:
        return path + " changed since it was read (did the editor save it?)";
    case REPLACEFAULT::BACKUP:
        return CANNOTWRITE(path + BACKUPSUFFIX, failure.reason);
    case REPLACEFAULT::RENAME:
        break;
    }
    return "cannot replace " + path + ": " + failure.reason + " (does the editor hold it open?)";
}

std::string ABSENCE(const SELECTOR& selector, ABSENT absent) {
    const std::string entry = ENTRYWORDS(selector.kind, selector.id);
    if (absent == ABSENT::ENTRY) return "there is no " + entry;
    return entry + " has no page " + std::to_string(selector.page);
}

const char* const REOPENWARNING =
    "an editor with this project open must reopen it before it saves, or it writes its own "
    "copy back over this change";
const char* const NOEVENTDATA = "no event data on the clipboard";
const char* const NOTEXTONCLIPBOARD = "no text on the clipboard";
const char* const UNREADABLETEXT = "the clipboard's text cannot be read";
const char* const CLIPBOARDWRITEFAILED = "could not write to the clipboard";
std::string TEXTISNOTEVENTDATA() {
    return "format " + std::to_string(KESTREL::CB_TEXT) + " is text, not event data";
}

std::string SYSTEMREASON() {
    return std::strerror(errno);
}

} // namespace PAGEWRIGHT
