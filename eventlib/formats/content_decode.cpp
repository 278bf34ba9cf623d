#include "event_codes.h"
#include "formats/chunk_ids.h"
#include "formats/commandlist.h"
#include "formats/fields.h"
#include "formats/page_reading.h"
#include "formats/pages.h"
#include "kestrel_internal.h"

namespace KESTREL {
namespace {

// Every page of a page list takes at least its number and its closing chunk id.
constexpr std::int64_t LEASTPAGEBYTES = 2;

using PAGEREADER = void (*)(CHUNKREADER& reader, EVENT& event, std::int32_t number);

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
void READPAGELIST(CHUNKREADER& reader, const CHUNK& chunk, EVENT& event, PAGEREADER read_page) {
    const RUN list(reader, chunk.length);
    const std::int32_t count = reader.COUNT(LEASTPAGEBYTES);
    DESTROYOBJECT(event.pages, 1, event.page_count);
    event.pages = nullptr;
    event.page_count = 0;
    if (count > 0) GIVEPAGES(event, count);
    while (reader.MORE()) {
        read_page(reader, event, PAGENUMBERINDATA);
    }
}

void DECODEMAPEVENT(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.kind = EK_MAP;
    reader.BYTE(); // the lead byte, which carries nothing
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case MAPEVENTCHUNK::NAME:
            REPLACENAME(event.name, READNAME(reader, chunk.length));
            break;
        case MAPEVENTCHUNK::X:
            event.x = reader.NUMBER();
            break;
        case MAPEVENTCHUNK::Y:
            event.y = reader.NUMBER();
            break;
        case MAPEVENTCHUNK::PAGES:
            READPAGELIST(reader, chunk, event, READMAPPAGE);
            break;
        default:
            reader.SKIP(chunk);
        }
    }
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
    DECODELONEPAGE(reader, event, EK_MAP, READMAPPAGE);
}

void DECODEBATTLEEVENTPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    DECODELONEPAGE(reader, event, EK_BATTLE, READBATTLEPAGE);
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

// Chunks other than the name and the page list are kept as they are, so that
// the group can be written back with them.
void KEEPCHUNK(CHUNKREADER& reader, const CHUNK& chunk, EVENT& event) {
    if (event.extra_chunks == nullptr) event.extra_chunks = new EXTRACHUNKS;
    const BYTEVIEW payload = reader.BYTES(chunk.length);
    if (static_cast<std::uint32_t>(chunk.id) < static_cast<std::uint32_t>(KEPTCHUNKIDS)) {
        event.extra_chunks->entries[chunk.id].assign(payload);
    }
}

void DECODEMONSTERGROUP(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.kind = EK_BATTLE;
    event.id = reader.LONG();
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case MONSTERGROUPCHUNK::NAME:
            REPLACENAME(event.name, READNAME(reader, chunk.length));
            break;
        case MONSTERGROUPCHUNK::PAGES:
            READPAGELIST(reader, chunk, event, READBATTLEPAGE);
            break;
        default:
            KEEPCHUNK(reader, chunk, event);
        }
    }
}

void READCOMMONTRIGGER(CHUNKREADER& reader, EVENTPAGE& page) {
    switch (reader.NUMBER()) {
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
void READCOMMONSWITCHFLAG(CHUNKREADER& reader, EVENTPAGE& page) {
    const std::int32_t value = reader.NUMBER();
    if (page.trigger == COMMONAUTOSTART || page.trigger == COMMONPARALLEL) {
        page.condition->flags = value != 0 ? CF_SWITCH_A : 0;
    }
}

void DECODECOMMONEVENT(CHUNKREADER& reader, EVENT& event, std::int32_t) {
    event.kind = EK_COMMON;
    event.id = reader.LONG();
    EVENTPAGE& page = GIVECOMMANDPAGE(event);
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case COMMONEVENTCHUNK::NAME:
            REPLACENAME(event.name, READNAME(reader, chunk.length));
            break;
        case COMMONEVENTCHUNK::TRIGGER:
            READCOMMONTRIGGER(reader, page);
            break;
        case COMMONEVENTCHUNK::SWITCHFLAG:
            READCOMMONSWITCHFLAG(reader, page);
            break;
        case COMMONEVENTCHUNK::SWITCHID:
            page.condition->switch_a_id = reader.NUMBER();
            break;
        case COMMONEVENTCHUNK::COMMANDSIZE:
            reader.NUMBER();
            break;
        case COMMONEVENTCHUNK::COMMANDS:
            READCOMMANDLIST(reader, page, chunk.length);
            break;
        default:
            reader.SKIP(chunk);
        }
    }
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
