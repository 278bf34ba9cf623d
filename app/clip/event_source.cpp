#include "event_source.h"

#include "event_formats.h"
#include "files.h"
#include "format_names.h"
#include "game_source.h"
#include "messages.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// The event of `format` (0 for the first event format on the clipboard), read
// from the file `from` when it is given; or nothing after saying why.
std::optional<SOURCEDEVENT> READEVENT(CLIPBOARDCONTENTTYPE format, const char* from) {
    if (format == CB_TEXT) {
        REPORTFAILURE(TEXTISNOTEVENTDATA());
        return std::nullopt;
    }
    if (from && format == CLIPBOARDCONTENTTYPE{}) {
        REPORTFAILURE("--from needs the FORMAT of the content");
        return std::nullopt;
    }
    std::optional<BYTESTRING> content;
    if (from) {
        std::string reason;
        content.emplace();
        if (!READINPUT(from, SIZE_MAX, *content, reason)) {
            REPORTFAILURE(CANNOTREAD(from, reason));
            return std::nullopt;
        }
    } else {
        if (format == CLIPBOARDCONTENTTYPE{}) format = FIRSTEVENTFORMAT();
        if (format == CLIPBOARDCONTENTTYPE{}) {
            REPORTFAILURE(NOEVENTDATA);
            return std::nullopt;
        }
        content = CLIPBOARDBLOCK(format);
        if (!content) return std::nullopt;
    }
    SOURCEDEVENT event{format, EVENTTREE(DECODECONTENT(format, *content)), std::nullopt};
    if (!event.tree) {
        REPORTFAILURE(std::string(from ? from : "the data") + " is empty");
        return std::nullopt;
    }
    return event;
}

} // namespace

CLIPBOARDCONTENTTYPE FIRSTEVENTFORMAT() {
    for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATNUMBERS) {
        if (CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(format))) return format;
    }
    return CLIPBOARDCONTENTTYPE{};
}

bool NAMEDFORMAT(const char* text, CLIPBOARDCONTENTTYPE& format) {
    format = CLIPBOARDCONTENTTYPE{};
    if (!text) return true;
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (!*text || *end != '\0' || number != static_cast<std::int32_t>(number) ||
        !FORMATNAME(static_cast<std::int32_t>(number))) {
        REPORTFAILURE(UNKNOWNFORMAT(text));
        return false;
    }
    format = static_cast<CLIPBOARDCONTENTTYPE>(number);
    return true;
}

std::optional<BYTESTRING> CLIPBOARDBLOCK(CLIPBOARDCONTENTTYPE format) {
    std::optional<BYTESTRING> block = TRYREADCLIPBOARD(static_cast<std::uint32_t>(format), nullptr);
    if (!block) {
        REPORTFAILURE(UNREADABLECLIPBOARD(format));
    } else if (block->empty()) {
        REPORTFAILURE(NOTONCLIPBOARD(format));
        block.reset();
    }
    return block;
}

// A game's content names its own format.
std::optional<SOURCEDEVENT> EVENTOFARGUMENTS(const ARGUMENTS& arguments) {
    CLIPBOARDCONTENTTYPE format{};
    if (!NAMEDFORMAT(arguments.PLAIN(0), format)) return std::nullopt;
    const char* from = arguments.VALUE("--from");
    const char* game = arguments.VALUE("--game");
    if (!game) return READEVENT(format, from);
    if (from) {
        REPORTFAILURE("--from and --game are each a source; give one");
        return std::nullopt;
    }
    if (format != CLIPBOARDCONTENTTYPE{}) {
        REPORTFAILURE("--game takes the format its SELECTOR names; give no FORMAT");
        return std::nullopt;
    }
    std::optional<TAKENCONTENT> taken = TAKEFROMGAME(game, arguments.VALUE("--game", 1));
    if (!taken) return std::nullopt;
    return SOURCEDEVENT{taken->format, EVENTTREE(DECODECONTENT(taken->format, taken->content)),
                        std::move(taken->source)};
}

} // namespace PAGEWRIGHT
