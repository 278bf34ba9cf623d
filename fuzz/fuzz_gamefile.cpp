// Bytes as a game file: refused with a GAMEFILEERROR, or every content that
// it lists can be taken and decoded, and every list's names looked up.
#include "game_selector.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

void TAKEANDDECODE(const GAMEFILE& file, const SELECTOR& selector) {
    ABSENT absent{};
    const std::optional<BYTESTRING> content = TAKECONTENT(file, selector, absent);
    if (!content) {
        std::fprintf(stderr, "%s is listed, yet its %s is not there\n",
                     SELECTORTEXT(selector).c_str(), absent == ABSENT::ENTRY ? "event" : "page");
        std::abort();
    }
    DESTROYOBJECT(DECODECONTENT(SELECTEDFORMAT(selector), *content), 0, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<GAMEFILE> file;
    try {
        file.emplace(BYTESTRING(reinterpret_cast<const char*>(data), size));
    } catch (const GAMEFILEERROR&) {
        return 0;
    }
    for (const GAMEENTRY& entry : file->ENTRIES()) {
        SELECTOR selector{entry.kind, 1, entry.id};
        TAKEANDDECODE(*file, selector);
        selector.commands = entry.kind == ENTRYKIND::COMMONEVENT;
        if (selector.commands) TAKEANDDECODE(*file, selector);
        for (const GAMEPAGE& page : file->FACTSOF(entry).pages) {
            selector.page = page.number;
            selector.commands = false;
            TAKEANDDECODE(*file, selector);
            selector.commands = true;
            TAKEANDDECODE(*file, selector);
        }
    }
    for (const IDLIST& list : IDLISTS) {
        for (const std::int32_t id : {1, std::numeric_limits<std::int32_t>::max()}) {
            file->NAMEOF(list.kind, id);
        }
    }
    return 0;
}
