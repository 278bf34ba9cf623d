// Whole clipboard contents of the event formats: what each format reads and
// writes after its length and the field that follows it.
#include "codec/encoding.h"
#include "event_formats.h"
#include "formats/chunk_lists.h"
#include "formats/commandlist.h"
#include "formats/page_reading.h"
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

using COMMONEVENTLIST = CHUNKLIST<EK_COMMON, EVENT, EVENTPAGE, CONDITION>;

EVENTPAGE& GIVESINGLEPAGE(EVENT& event) {
    event.pages = new EVENTPAGE[1];
    event.page_count = 1;
    return event.pages[0];
}

// The one page of the formats that hold commands without pages of their own.
EVENTPAGE& GIVECOMMANDPAGE(EVENT& event) {
    EVENTPAGE& page = GIVESINGLEPAGE(event);
    page.number = 1;
    page.condition = new CONDITION;
    return page;
}

// Each decoder reads on from just after the content's length field, which it
// is given.
void DECODEMAPEVENT(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    reader.BYTE(); // the lead byte, which carries nothing
    CHUNKLIST<EK_MAP, EVENT>::READ(reader, {&event});
}

// The 4-byte page number field of a lone page. The page readers take -1 as
// "the number is in the page data", which this field never means: here it is
// just a number below 1 and lands in no slot, as 0 does.
template <EVENTKIND KIND> void DECODELONEPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    GIVESINGLEPAGE(event);
    const std::int32_t number = reader.LONG();
    READPAGE<KIND>(reader, event, number == PAGENUMBERINDATA ? 0 : number);
}

void DECODEEVENTCOMMANDS(CHUNKREADER& reader, EVENT& event, std::int32_t length) {
    READCOMMANDLIST(reader, GIVECOMMANDPAGE(event), length);
}

void DECODEMONSTERGROUP(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.id = reader.LONG();
    CHUNKLIST<EK_BATTLE, EVENT>::READ(reader, {&event});
}

void DECODECOMMONEVENT(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.id = reader.LONG();
    EVENTPAGE& page = GIVECOMMANDPAGE(event);
    COMMONEVENTLIST::READ(reader, {&event, &page, page.condition});
}

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

// Each encoder writes the body: what follows the length and the field after
// it. `page` selects the page of the formats that write one page; `first` and
// `last` select the commands of the command list format.
void ENCODEMAPEVENT(BYTESTRING& body, const EVENT& event, std::int32_t, std::int32_t,
                    std::int32_t) {
    CHUNKLIST<EK_MAP, EVENT>::WRITE(body, {&event});
}

template <EVENTKIND KIND>
void ENCODELONEPAGE(BYTESTRING& body, const EVENT& event, std::int32_t page, std::int32_t,
                    std::int32_t) {
    WRITEPAGE<KIND>(body, SELECTEDPAGE(event, page), 0);
}

// The selection is written as a list of its own, its shallowest command at
// indent 0; the event keeps its commands as they are. An empty selection
// writes the end command alone.
void ENCODEEVENTCOMMANDS(BYTESTRING& body, const EVENT& event, std::int32_t page,
                         std::int32_t first, std::int32_t last) {
    const EVENTPAGE& selected_page = SELECTEDPAGE(event, page);
    const std::int32_t count = std::max(selected_page.command_count, 0);
    last = last == -1 ? count - 1 : std::max(std::min(last, count - 1), -1);
    first = std::max(std::min(first, count - 1), 0);
    if (first > last) {
        WRITECOMMANDS(body, nullptr, 0, 0);
        return;
    }
    const EVENTCOMMAND* selection = selected_page.commands + first;
    const std::int32_t selected = last - first + 1;
    std::uint32_t shallowest = static_cast<std::uint32_t>(selection[0].indent);
    for (std::int32_t i = 1; i < selected; ++i) {
        shallowest = std::min(shallowest, static_cast<std::uint32_t>(selection[i].indent));
    }
    WRITECOMMANDS(body, selection, selected, shallowest);
}

void ENCODEMONSTERGROUP(BYTESTRING& body, const EVENT& event, std::int32_t, std::int32_t,
                        std::int32_t) {
    CHUNKLIST<EK_BATTLE, EVENT>::WRITE(body, {&event});
}

void ENCODECOMMONEVENT(BYTESTRING& body, const EVENT& event, std::int32_t page, std::int32_t,
                       std::int32_t) {
    static const CONDITION none;
    const EVENTPAGE& selected_page = SELECTEDPAGE(event, page);
    const CONDITION* condition = selected_page.condition ? selected_page.condition : &none;
    COMMONEVENTLIST::WRITE(body, {&event, &selected_page, condition});
}

// The kind of tree each event format decodes to, and its decoder and encoder.
struct CONTENTCODER {
    CLIPBOARDCONTENTTYPE format;
    EVENTKIND kind;
    void (*decode)(CHUNKREADER& reader, EVENT& event, std::int32_t length);
    void (*encode)(BYTESTRING& body, const EVENT& event, std::int32_t page, std::int32_t first,
                   std::int32_t last);
};

constexpr CONTENTCODER CONTENTCODERS[] = {
    {CB_MAPEVENT, EK_MAP, DECODEMAPEVENT, ENCODEMAPEVENT},
    {CB_MAPEVENTPAGE, EK_MAP, DECODELONEPAGE<EK_MAP>, ENCODELONEPAGE<EK_MAP>},
    {CB_BATTLEEVENTPAGE, EK_BATTLE, DECODELONEPAGE<EK_BATTLE>, ENCODELONEPAGE<EK_BATTLE>},
    {CB_EVENTCOMMANDS, EK_COMMANDS, DECODEEVENTCOMMANDS, ENCODEEVENTCOMMANDS},
    {CB_MONSTERGROUP, EK_BATTLE, DECODEMONSTERGROUP, ENCODEMONSTERGROUP},
    {CB_COMMONEVENT, EK_COMMON, DECODECOMMONEVENT, ENCODECOMMONEVENT},
};

const CONTENTCODER* CODEROF(CLIPBOARDCONTENTTYPE format) {
    for (const CONTENTCODER& coder : CONTENTCODERS) {
        if (coder.format == format) return &coder;
    }
    return nullptr;
}

BYTESTRING TEXTCONTENT(const void* text) {
    if (!POINTERREADABLE(text, 1)) return {};
    return BYTESTRING(static_cast<const char*>(text));
}

} // namespace

EVENT* DECODECONTENT(CLIPBOARDCONTENTTYPE format, BYTEVIEW content) {
    if (content.empty()) return nullptr;
    if (format == CB_TEXT) return reinterpret_cast<EVENT*>(COPYNAME(content));
    const CONTENTCODER* coder = CODEROF(format);
    if (coder == nullptr) return nullptr;
    auto* event = new EVENT;
    event->kind = coder->kind;
    CHUNKREADER reader(CONTENTOFBLOCK(format, content));
    const std::int32_t length = reader.LONG();
    coder->decode(reader, *event, length);
    return event;
}

std::optional<BYTESTRING> ENCODECONTENT(CLIPBOARDCONTENTTYPE format, const EVENT* event,
                                        std::int32_t page, std::int32_t first, std::int32_t last) {
    if (format == CB_TEXT) return TEXTCONTENT(event);
    const CONTENTCODER* coder = CODEROF(format);
    if (coder == nullptr) return std::nullopt;
    if (!POINTERREADABLE(event, sizeof(std::int32_t))) return std::nullopt;
    std::int32_t tag;
    std::memcpy(&tag, event, sizeof tag);
    if (tag != OT_EVENT) return std::nullopt;

    BYTESTRING body;
    coder->encode(body, *event, page, first, last);
    return FRAMEDCONTENT(format, FIXEDFIELD, body);
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
