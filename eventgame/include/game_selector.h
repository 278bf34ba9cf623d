// One content of a game, as the user names it: map1/event3,
// map1/event3/page2, map1/event3/page2/commands, troop4, troop4/page1,
// troop4/page1/commands, common5 or common5/commands; and the content it
// names, taken from its file.
#ifndef PAGEWRIGHT_EVENTGAME_GAME_SELECTOR_H
#define PAGEWRIGHT_EVENTGAME_GAME_SELECTOR_H

#include "game_file.h"
#include "kestrel_internal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

struct SELECTOR {
    ENTRYKIND kind = ENTRYKIND::MAPEVENT;
    std::int32_t map = 0; // of a map event
    std::int32_t id = 0;
    std::int32_t page = 0; // 0 for the whole event
    bool commands = false;
};

// Nothing for text that is no selector. Numbers are from 1 on, written
// without leading zeros.
std::optional<SELECTOR> READSELECTOR(std::string_view text);
// A map event's selector with the map 0, which names no map, leaves out
// the map ("event3"): it stands for an event of a map file whose number its
// name does not give.
std::string SELECTORTEXT(const SELECTOR& selector);
KESTREL::CLIPBOARDCONTENTTYPE SELECTEDFORMAT(const SELECTOR& selector);

// What a file lacks of a selected content: the event, or the event's page.
enum class ABSENT : std::uint8_t { ENTRY, PAGE };

// The selected content of the file, framed as the clipboard holds it; nothing,
// with `absent` saying what the file lacks, when it holds no such content.
std::optional<KESTREL::BYTESTRING> TAKECONTENT(const GAMEFILE& file, const SELECTOR& selector,
                                               ABSENT& absent);

// An entry's whole content, as TAKECONTENT gives it for the entry's selector.
KESTREL::BYTESTRING ENTRYCONTENT(const GAMEFILE& file, const GAMEENTRY& entry);

} // namespace PAGEWRIGHT

#endif
