#include "event_codes.h"
#include "formats/battlepage.h"
#include "formats/chunk_ids.h"
#include "formats/commandlist.h"
#include "formats/fields.h"
#include "formats/limited_run.h"
#include "formats/mappage.h"
#include "formats/page_reading.h"
#include "kestrel_internal.h"

#include <algorithm>

namespace KESTREL {
namespace {

// Every page of a page list takes at least its number and its closing chunk id.
constexpr std::int64_t LEASTPAGEBYTES = 2;

using PAGEREADER = void (*)(BYTESTREAM& stream, EVENT& event, std::int32_t number);

void GIVEPAGES(EVENT& event, std::int32_t count) {
    event.pages = new EVENTPAGE[count];
    event.page_count = count;
}

EVENTPAGE& GIVESINGLEPAGE(EVENT& event) {
    GIVEPAGES(event, 1);
    return event.pages[0];
}

// A count of 0 or less gives no pages; the page bodies that follow are still
// read, and land in no slot. A later page list replaces an earlier one.
void READPAGELIST(BYTESTREAM& stream, EVENT& event, PAGEREADER read_page) {
    const LIMITEDRUN list(stream, READLENGTH(stream));
    const std::int32_t announced = READNUMBER(stream);
    DESTROYOBJECT(event.pages, 1, event.page_count);
    event.pages = nullptr;
    event.page_count = 0;
    const std::int64_t count = std::min<std::int64_t>(
        announced, ITEMSTHATFIT(stream, STREAMREMAINING(stream), LEASTPAGEBYTES));
    if (count > 0) GIVEPAGES(event, static_cast<std::int32_t>(count));
    while (list.MORE()) {
        read_page(stream, event, PAGENUMBERINDATA);
    }
}

void DECODEMAPEVENT(BYTESTREAM& stream, EVENT& event, std::int32_t) {
    event.kind = EK_MAP;
    READBYTE(stream); // the lead byte, which carries nothing
    for (std::int32_t id; NEXTCHUNK(stream, id);) {
        switch (id) {
        case MAPEVENTCHUNK::NAME:
            REPLACENAME(event.name, READNAME(stream));
            break;
        case MAPEVENTCHUNK::X:
            event.x = READNUMBERVALUE(stream);
            break;
        case MAPEVENTCHUNK::Y:
            event.y = READNUMBERVALUE(stream);
            break;
        case MAPEVENTCHUNK::PAGES:
            READPAGELIST(stream, event, READMAPPAGE);
            break;
        default:
            SKIPCHUNK(stream);
        }
    }
}

// The 4-byte page number field of a lone page. The page readers take -1 as
// "the number is in the page data", which this field never means: here it is
// just a number below 1 and lands in no slot, as 0 does.
void DECODELONEPAGE(BYTESTREAM& stream, EVENT& event, EVENTKIND kind, PAGEREADER read_page) {
    event.kind = kind;
    GIVESINGLEPAGE(event);
    const std::int32_t number = READLONG(stream);
    read_page(stream, event, number == PAGENUMBERINDATA ? 0 : number);
}

void DECODEMAPEVENTPAGE(BYTESTREAM& stream, EVENT& event, std::int32_t) {
    DECODELONEPAGE(stream, event, EK_MAP, READMAPPAGE);
}

void DECODEBATTLEEVENTPAGE(BYTESTREAM& stream, EVENT& event, std::int32_t) {
    DECODELONEPAGE(stream, event, EK_BATTLE, READBATTLEPAGE);
}

EVENTPAGE& GIVECOMMANDPAGE(EVENT& event) {
    EVENTPAGE& page = GIVESINGLEPAGE(event);
    page.number = 1;
    page.condition = new CONDITION;
    return page;
}

void DECODEEVENTCOMMANDS(BYTESTREAM& stream, EVENT& event, std::int32_t length) {
    event.kind = EK_COMMANDS;
    READCOMMANDLIST(stream, GIVECOMMANDPAGE(event), length);
}

// Chunks other than the name and the page list are kept as they are, so that
// the group can be written back with them.
void KEEPCHUNK(BYTESTREAM& stream, EVENT& event, std::int32_t id) {
    const std::int32_t length = READLENGTH(stream);
    if (event.extra_chunks == nullptr) event.extra_chunks = new EXTRACHUNKS;
    const BYTEVIEW payload = READBYTES(stream, length);
    if (static_cast<std::uint32_t>(id) < static_cast<std::uint32_t>(KEPTCHUNKIDS)) {
        event.extra_chunks->entries[id].assign(payload);
    }
}

void DECODEMONSTERGROUP(BYTESTREAM& stream, EVENT& event, std::int32_t) {
    event.kind = EK_BATTLE;
    event.id = READLONG(stream);
    for (std::int32_t id; NEXTCHUNK(stream, id);) {
        switch (id) {
        case MONSTERGROUPCHUNK::NAME:
            REPLACENAME(event.name, READNAME(stream));
            break;
        case MONSTERGROUPCHUNK::PAGES:
            READPAGELIST(stream, event, READBATTLEPAGE);
            break;
        default:
            KEEPCHUNK(stream, event, id);
        }
    }
}

void READCOMMONTRIGGER(BYTESTREAM& stream, EVENTPAGE& page) {
    switch (READNUMBERVALUE(stream)) {
    case COMMONAUTOSTART:
        page.trigger = COMMONAUTOSTART;
        break;
    case COMMONPARALLEL:
        page.trigger = COMMONPARALLEL;
        break;
    case COMMONCALLED:
        page.trigger = COMMONCALLEDTRIGGER;
        break;
    default:
        break;
    }
}

// The switch flag only counts for a common event that starts by itself, as
// the trigger read so far says.
void READCOMMONSWITCHFLAG(BYTESTREAM& stream, EVENTPAGE& page) {
    const std::int32_t value = READNUMBERVALUE(stream);
    if (page.trigger == COMMONAUTOSTART || page.trigger == COMMONPARALLEL) {
        page.condition->flags = value != 0 ? CF_SWITCH_A : 0;
    }
}

void DECODECOMMONEVENT(BYTESTREAM& stream, EVENT& event, std::int32_t) {
    event.kind = EK_COMMON;
    event.id = READLONG(stream);
    EVENTPAGE& page = GIVECOMMANDPAGE(event);
    for (std::int32_t id; NEXTCHUNK(stream, id);) {
        switch (id) {
        case COMMONEVENTCHUNK::NAME:
            REPLACENAME(event.name, READNAME(stream));
            break;
        case COMMONEVENTCHUNK::TRIGGER:
            READCOMMONTRIGGER(stream, page);
            break;
        case COMMONEVENTCHUNK::SWITCHFLAG:
            READCOMMONSWITCHFLAG(stream, page);
            break;
        case COMMONEVENTCHUNK::SWITCHID:
            page.condition->switch_a_id = READNUMBERVALUE(stream);
            break;
        case COMMONEVENTCHUNK::COMMANDSIZE:
            READNUMBERVALUE(stream);
            break;
        case COMMONEVENTCHUNK::COMMANDS:
            READCOMMANDLIST(stream, page, READLENGTH(stream));
            break;
        default:
            SKIPCHUNK(stream);
        }
    }
}

// Each decoder reads on from just after the content's length field, which it
// is given.
using CONTENTDECODER = void (*)(BYTESTREAM& stream, EVENT& event, std::int32_t length);

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
    BYTESTREAM stream = OPENSTREAM(CONTENTOFBLOCK(format, content));
    const std::int32_t length = READLONG(stream);
    decode(stream, *event, length);
    return event;
}

} // namespace KESTREL
