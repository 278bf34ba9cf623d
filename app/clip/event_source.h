// Where the commands that read an event take it from: a content of FORMAT in
// a file, one of a game's contents, the clipboard's data of FORMAT, or else
// the clipboard's first event format, whatever text lies beside it. (Only the
// converter counts text beside event data as no event data.)
#ifndef PAGEWRIGHT_CLIP_EVENT_SOURCE_H
#define PAGEWRIGHT_CLIP_EVENT_SOURCE_H

#include "game_source.h"
#include "kestrel_internal.h"
#include "options.h"

#include <optional>

namespace PAGEWRIGHT {

struct SOURCEDEVENT {
    KESTREL::CLIPBOARDCONTENTTYPE format{};
    KESTREL::EVENTTREE tree;
    // For an event of --game, where it lies.
    std::optional<GAMESOURCE> game;
};

// The format a command's argument names: 0 for none given. False after saying
// why, for an argument that names no format the tool knows.
bool NAMEDFORMAT(const char* text, KESTREL::CLIPBOARDCONTENTTYPE& format);

// The first event format on the clipboard, or 0 where it holds none.
KESTREL::CLIPBOARDCONTENTTYPE FIRSTEVENTFORMAT();

// The clipboard's block of the format, or nothing after saying why: it is not
// there, or cannot be read.
std::optional<KESTREL::BYTESTRING> CLIPBOARDBLOCK(KESTREL::CLIPBOARDCONTENTTYPE format);

// The event a command's arguments name: its FORMAT, --from FILE and --game
// GAME SELECTOR.
std::optional<SOURCEDEVENT> EVENTOFARGUMENTS(const ARGUMENTS& arguments);

} // namespace PAGEWRIGHT

#endif
