#include "codec/encoding.h"
#include "event_formats.h"
#include "formats/chunk_lists.h"
#include "formats/commandlist.h"
#include "formats/pages.h"
#include "kestrel_internal.h"
#include "records/readable.h"

#include <algorithm>
#include <cstring>

namespace KESTREL {
namespace {

// What the 4-byte field after the length holds in the formats that have one:
// a lone page's number, or a monster group's or common event's id.
constexpr std::int32_t FIXEDFIELD = 1;

// An event without pages is written as if it held this one page.
const EVENTPAGE& DEFAULTPAGE() {
    static const EVENTPAGE page = [] {
        EVENTPAGE numbered;
        numbered.number = 1;
        return numbered;
    }();
    return page;
}

// The page argument lowered to the page count, then raised to 1.
const EVENTPAGE& SELECTEDPAGE(const EVENT& event, std::int32_t page) {
    if (event.page_count < 1) return DEFAULTPAGE();
    return event.pages[std::max(std::min(page, event.page_count), 1) - 1];
}

void ENCODEMAPEVENT(BYTESTRING& body, const EVENT& event) {
    CHUNKLIST<EK_MAP, EVENT>::WRITE(body, {&event});
}

// The selection is written as a list of its own, its shallowest command at
// indent 0; the event keeps its commands as they are. An empty selection
// writes the end command alone.
void ENCODEEVENTCOMMANDS(BYTESTRING& body, const EVENTPAGE& page, std::int32_t first,
                         std::int32_t last) {
    const std::int32_t count = std::max(page.command_count, 0);
    last = last == -1 ? count - 1 : std::max(std::min(last, count - 1), -1);
    first = std::max(std::min(first, count - 1), 0);
    if (first > last) {
        WRITECOMMANDS(body, nullptr, 0, 0);
        return;
    }
    const EVENTCOMMAND* selection = page.commands + first;
    const std::int32_t selected = last - first + 1;
    std::uint32_t shallowest = static_cast<std::uint32_t>(selection[0].indent);
    for (std::int32_t i = 1; i < selected; ++i) {
        shallowest = std::min(shallowest, static_cast<std::uint32_t>(selection[i].indent));
    }
    WRITECOMMANDS(body, selection, selected, shallowest);
}

void ENCODEMONSTERGROUP(BYTESTRING& body, const EVENT& event) {
    CHUNKLIST<EK_BATTLE, EVENT>::WRITE(body, {&event});
}

void ENCODECOMMONEVENT(BYTESTRING& body, const EVENT& event, const EVENTPAGE& page) {
    static const CONDITION none;
    const CONDITION* condition = page.condition ? page.condition : &none;
    CHUNKLIST<EK_COMMON, EVENT, EVENTPAGE, CONDITION>::WRITE(body, {&event, &page, condition});
}

BYTESTRING TEXTCONTENT(const void* text) {
    if (!POINTERREADABLE(text, 1)) return {};
    return BYTESTRING(static_cast<const char*>(text));
}

std::optional<BYTESTRING> ENCODEBODY(CLIPBOARDCONTENTTYPE format, const EVENT& event,
                                     std::int32_t page, std::int32_t first, std::int32_t last) {
    BYTESTRING body;
    switch (format) {
    case CB_MAPEVENT:
        ENCODEMAPEVENT(body, event);
        break;
    case CB_MAPEVENTPAGE:
        WRITEPAGE<EK_MAP>(body, SELECTEDPAGE(event, page), 0);
        break;
    case CB_BATTLEEVENTPAGE:
        WRITEPAGE<EK_BATTLE>(body, SELECTEDPAGE(event, page), 0);
        break;
    case CB_EVENTCOMMANDS:
        ENCODEEVENTCOMMANDS(body, SELECTEDPAGE(event, page), first, last);
        break;
    case CB_MONSTERGROUP:
        ENCODEMONSTERGROUP(body, event);
        break;
    case CB_COMMONEVENT:
        ENCODECOMMONEVENT(body, event, SELECTEDPAGE(event, page));
        break;
    default:
        return std::nullopt;
    }
    return body;
}

} // namespace

std::optional<BYTESTRING> ENCODECONTENT(CLIPBOARDCONTENTTYPE format, const EVENT* event,
                                        std::int32_t page, std::int32_t first, std::int32_t last) {
    if (format == CB_TEXT) return TEXTCONTENT(event);
    if (!POINTERREADABLE(event, sizeof(std::int32_t))) return std::nullopt;
    std::int32_t tag;
    std::memcpy(&tag, event, sizeof tag);
    if (tag != OT_EVENT) return std::nullopt;

    const std::optional<BYTESTRING> body = ENCODEBODY(format, *event, page, first, last);
    if (!body) return std::nullopt;
    return FRAMEDCONTENT(format, FIXEDFIELD, *body);
}

BYTESTRING FRAMEDCONTENT(CLIPBOARDCONTENTTYPE format, std::int32_t number, BYTEVIEW body) {
    const FRAMING framing = EVENTFORMATOF(format)->framing;
    const std::size_t fields = framing == FRAMING::LEADBYTE ? 1
                               : HASNUMBERFIELD(framing)    ? sizeof(std::int32_t)
                                                            : 0;
    BYTESTRING content;
    content.reserve(sizeof(std::int32_t) + fields + body.size());
    APPENDLONG(content, static_cast<std::int32_t>(fields + body.size()));
    if (framing == FRAMING::LEADBYTE) APPENDBYTE(content, MAPEVENTLEADBYTE);
    if (HASNUMBERFIELD(framing)) APPENDLONG(content, number);
    content += body;
    return content;
}

} // namespace KESTREL
