#include "game_selector.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

BYTESTRING ENTRYCONTENT(const GAMEFILE& file, const GAMEENTRY& entry) {
    return FRAMEDCONTENT(SELECTEDFORMAT(SELECTOR{entry.kind}), entry.id, file.BYTESOF(entry.body));
}

std::optional<BYTESTRING> TAKECONTENT(const GAMEFILE& file, const SELECTOR& selector,
                                      ABSENT& absent) {
    const GAMEENTRY* entry = file.ENTRYOF(selector.kind, selector.id);
    if (!entry) {
        absent = ABSENT::ENTRY;
        return std::nullopt;
    }
    if (selector.page == 0 && !selector.commands) return ENTRYCONTENT(file, *entry);
    const ENTRYFACTS facts = file.FACTSOF(*entry);
    const CLIPBOARDCONTENTTYPE format = SELECTEDFORMAT(selector);
    if (selector.kind == ENTRYKIND::COMMONEVENT) {
        return FRAMEDCONTENT(format, 0, file.BYTESOF(facts.commands.list.PAYLOAD()));
    }
    // The page's number goes into a page's framing; commands have none.
    for (const GAMEPAGE& page : facts.pages) {
        if (page.number != selector.page) continue;
        return FRAMEDCONTENT(
            format, page.number,
            file.BYTESOF(selector.commands ? page.commands.list.PAYLOAD() : page.body));
    }
    absent = ABSENT::PAGE;
    return std::nullopt;
}

} // namespace PAGEWRIGHT
