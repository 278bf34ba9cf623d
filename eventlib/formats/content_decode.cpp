#include "formats/chunk_lists.h"
#include "formats/commandlist.h"
#include "formats/page_reading.h"
#include "formats/pages.h"
#include "kestrel_internal.h"

namespace KESTREL {
namespace {

using PAGEREADER = void (*)(CHUNKREADER& reader, EVENT& event, std::int32_t number);

void GIVEPAGES(EVENT& event, std::int32_t count) {
    event.pages = new EVENTPAGE[count];
    event.page_count = count;
}

EVENTPAGE& GIVESINGLEPAGE(EVENT& event) {
    GIVEPAGES(event, 1);
    return event.pages[0];
}

void DECODEMAPEVENT(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.kind = EK_MAP;
    reader.BYTE(); // the lead byte, which carries nothing
    CHUNKLIST<EK_MAP, EVENT>::READ(reader, {&event});
}

// The 4-byte page number field of a lone page. The page readers take -1 as
// "the number is in the page data", which this field never means: here it is
// just a number below 1 and lands in no slot, as 0 does.
void DECODELONEPAGE(CHUNKREADER& reader, EVENT& event, EVENTKIND kind, PAGEREADER read_page) {
    event.kind = kind;
    GIVESINGLEPAGE(event);
    const std::int32_t number = reader.LONG();
    read_page(reader, event, number == PAGENUMBERINDATA ? 0 : number);
}

void DECODEMAPEVENTPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    DECODELONEPAGE(reader, event, EK_MAP, READPAGE<EK_MAP>);
}

void DECODEBATTLEEVENTPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    DECODELONEPAGE(reader, event, EK_BATTLE, READPAGE<EK_BATTLE>);
}

EVENTPAGE& GIVECOMMANDPAGE(EVENT& event) {
    EVENTPAGE& page = GIVESINGLEPAGE(event);
    page.number = 1;
    page.condition = new CONDITION;
    return page;
}

void DECODEEVENTCOMMANDS(CHUNKREADER& reader, EVENT& event, std::int32_t length) {
    event.kind = EK_COMMANDS;
    READCOMMANDLIST(reader, GIVECOMMANDPAGE(event), length);
}

void DECODEMONSTERGROUP(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.kind = EK_BATTLE;
    event.id = reader.LONG();
    CHUNKLIST<EK_BATTLE, EVENT>::READ(reader, {&event});
}

void DECODECOMMONEVENT(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.kind = EK_COMMON;
    event.id = reader.LONG();
    EVENTPAGE& page = GIVECOMMANDPAGE(event);
    CHUNKLIST<EK_COMMON, EVENT, EVENTPAGE, CONDITION>::READ(reader,
                                                            {&event, &page, page.condition});
}

// Each decoder reads on from just after the content's length field, which it
// is given.
using CONTENTDECODER = void (*)(CHUNKREADER& reader, EVENT& event, std::int32_t length);

CONTENTDECODER DECODERFOR(CLIPBOARDCONTENTTYPE format) {
    switch (format) {
    case CB_MAPEVENT:
        return DECODEMAPEVENT;
    case CB_MAPEVENTPAGE:
        return DECODEMAPEVENTPAGE;
    case CB_BATTLEEVENTPAGE:
        return DECODEBATTLEEVENTPAGE;
    case CB_EVENTCOMMANDS:
        return DECODEEVENTCOMMANDS;
    case CB_MONSTERGROUP:
        return DECODEMONSTERGROUP;
    case CB_COMMONEVENT:
        return DECODECOMMONEVENT;
    default:
        return nullptr;
    }
}

} // namespace

EVENT* DECODECONTENT(CLIPBOARDCONTENTTYPE format, BYTEVIEW content) {
    if (content.empty()) return nullptr;
    if (format == CB_TEXT) return reinterpret_cast<EVENT*>(COPYNAME(content));
    const CONTENTDECODER decode = DECODERFOR(format);
    if (decode == nullptr) return nullptr;
    auto* event = new EVENT;
    CHUNKREADER reader(CONTENTOFBLOCK(format, content));
    const std::int32_t length = reader.LONG();
    decode(reader, *event, length);
    return event;
}

} // namespace KESTREL
