#include "game_selector.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

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

BYTESTRING ENTRYCONTENT(const GAMEFILE& file, ENTRYKIND kind, const GAMEENTRY& entry) {
    return FRAMEDCONTENT(SELECTEDFORMAT(SELECTOR{kind}), entry.id, file.BYTESOF(entry.body));
}

std::optional<BYTESTRING> TAKECONTENT(const GAMEFILE& file, const SELECTOR& selector,
                                      std::string& missing) {
    const GAMEENTRY* entry = file.ENTRYOF(selector.kind, selector.id);
    if (!entry) {
        missing = "there is no " + ENTRYWORDS(selector.kind, selector.id);
        return std::nullopt;
    }
    if (selector.page == 0 && !selector.commands) return ENTRYCONTENT(file, selector.kind, *entry);
    const ENTRYFACTS facts = file.FACTSOF(selector.kind, *entry);
    const CLIPBOARDCONTENTTYPE format = SELECTEDFORMAT(selector);
    if (selector.kind == ENTRYKIND::COMMONEVENT) {
        return FRAMEDCONTENT(format, 0, file.BYTESOF(facts.commands));
    }
    // The page's number goes into a page's framing; commands have none.
    for (const GAMEPAGE& page : facts.pages) {
        if (page.number != selector.page) continue;
        return FRAMEDCONTENT(format, page.number,
                             file.BYTESOF(selector.commands ? page.commands : page.body));
    }
    missing =
        ENTRYWORDS(selector.kind, selector.id) + " has no page " + std::to_string(selector.page);
    return std::nullopt;
}

} // namespace PAGEWRIGHT
