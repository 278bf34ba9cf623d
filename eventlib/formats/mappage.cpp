#include "formats/mappage.h"

#include "codec/encoding.h"
#include "event_codes.h"
#include "formats/chunk_ids.h"
#include "formats/commandlist.h"
#include "formats/condition_chunk.h"
#include "formats/fields.h"
#include "formats/page_reading.h"

#include <iterator>

namespace KESTREL {
namespace {

// The page's number chunks, in the order they are written. Flags (transparent,
// overlap forbidden) are written as 0 or 1 and keep bit 0 of what is read.
struct PAGENUMBERFIELD {
    std::int32_t id;
    std::int32_t EVENTPAGE::*number;
    std::uint8_t EVENTPAGE::*flag;
};

constexpr PAGENUMBERFIELD PAGENUMBERFIELDS[] = {
    {MAPPAGECHUNK::GRAPHICINDEX, &EVENTPAGE::graphic_index, nullptr},
    {MAPPAGECHUNK::GRAPHICDIRECTION, &EVENTPAGE::graphic_direction, nullptr},
    {MAPPAGECHUNK::GRAPHICPATTERN, &EVENTPAGE::graphic_pattern, nullptr},
    {MAPPAGECHUNK::TRANSPARENT, nullptr, &EVENTPAGE::transparent},
    {MAPPAGECHUNK::MOVETYPE, &EVENTPAGE::move_type, nullptr},
    {MAPPAGECHUNK::MOVEFREQUENCY, &EVENTPAGE::move_frequency, nullptr},
    {MAPPAGECHUNK::TRIGGER, &EVENTPAGE::trigger, nullptr},
    {MAPPAGECHUNK::LAYER, &EVENTPAGE::layer, nullptr},
    {MAPPAGECHUNK::OVERLAPFORBIDDEN, nullptr, &EVENTPAGE::overlap_forbidden},
    {MAPPAGECHUNK::ANIMATIONTYPE, &EVENTPAGE::animation_type, nullptr},
    {MAPPAGECHUNK::MOVESPEED, &EVENTPAGE::move_speed, nullptr},
};

bool READPAGENUMBERFIELD(CHUNKREADER& reader, std::int32_t id, EVENTPAGE& page) {
    for (const PAGENUMBERFIELD& entry : PAGENUMBERFIELDS) {
        if (entry.id != id) continue;
        const std::int32_t value = reader.NUMBER();
        if (entry.number) {
            page.*(entry.number) = value;
        } else {
            page.*(entry.flag) = static_cast<std::uint8_t>(value & 1);
        }
        return true;
    }
    return false;
}

// The page's own route moves the event itself, at the page's move frequency as
// read so far.
void READPAGEROUTE(CHUNKREADER& reader, const CHUNK& route_chunk, EVENTPAGE& page) {
    const RUN chunks(reader, route_chunk.length);
    DESTROYOBJECT(page.move_route, 0, 1);
    auto* route = new MOVEROUTE;
    page.move_route = route;
    route->target = OWNEVENTTARGET;
    route->frequency = page.move_frequency;
    route->repeat = 1;
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case PAGEROUTECHUNK::ROUTESIZE:
            reader.NUMBER();
            break;
        case PAGEROUTECHUNK::ROUTE:
            READMOVEROUTE(reader, *route, chunk.length, RAWFORM);
            break;
        case PAGEROUTECHUNK::REPEAT:
            route->repeat = static_cast<std::uint8_t>(reader.NUMBER() & 1);
            break;
        case PAGEROUTECHUNK::SKIPPABLE:
            route->skippable = static_cast<std::uint8_t>(reader.NUMBER() & 1);
            break;
        default:
            reader.SKIP(chunk);
        }
    }
}

void READMAPPAGEBODY(CHUNKREADER& reader, EVENTPAGE& page) {
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case MAPPAGECHUNK::CONDITION:
            READCONDITIONCHUNK<EK_MAP>(reader, chunk, page);
            break;
        case MAPPAGECHUNK::GRAPHICNAME:
            REPLACENAME(page.graphic_name, READNAME(reader, chunk.length));
            break;
        case MAPPAGECHUNK::MOVEROUTE:
            READPAGEROUTE(reader, chunk, page);
            break;
        case MAPPAGECHUNK::COMMANDSIZE:
            reader.NUMBER();
            break;
        case MAPPAGECHUNK::COMMANDS:
            READCOMMANDLIST(reader, page, chunk.length);
            break;
        default:
            if (!READPAGENUMBERFIELD(reader, chunk.id, page)) reader.SKIP(chunk);
        }
    }
}

void WRITEPAGEROUTE(BYTESTRING& out, const MOVEROUTE& route) {
    BYTESTRING steps;
    WRITEMOVEROUTE(steps, route, RAWFORM);
    BYTESTRING payload;
    APPENDNUMBERCHUNK(payload, static_cast<std::int32_t>(steps.size()), WITHLENGTH,
                      PAGEROUTECHUNK::ROUTESIZE);
    APPENDDATACHUNK(payload, steps, WITHLENGTH, PAGEROUTECHUNK::ROUTE);
    APPENDNUMBERCHUNK(payload, route.repeat != 0, WITHLENGTH, PAGEROUTECHUNK::REPEAT);
    APPENDNUMBERCHUNK(payload, route.skippable != 0, WITHLENGTH, PAGEROUTECHUNK::SKIPPABLE);
    APPENDNUMBER(payload, ENDCHUNK);
    APPENDDATACHUNK(out, payload, WITHLENGTH, MAPPAGECHUNK::MOVEROUTE);
}

} // namespace

void READMAPPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(reader, event, number, READMAPPAGEBODY);
}

void WRITEMAPPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    if (with_number) APPENDNUMBER(out, page.number);
    WRITECONDITIONCHUNK<EK_MAP>(out, page.condition ? *page.condition : CONDITION{},
                                MAPPAGECHUNK::CONDITION);
    if (page.graphic_name) {
        APPENDDATACHUNK(out, NAMEVIEW(page.graphic_name), WITHLENGTH, MAPPAGECHUNK::GRAPHICNAME);
    }
    for (const PAGENUMBERFIELD& entry : PAGENUMBERFIELDS) {
        const std::int32_t value = entry.number ? page.*(entry.number) : page.*(entry.flag) != 0;
        APPENDNUMBERCHUNK(out, value, WITHLENGTH, entry.id);
    }
    if (page.move_type == CUSTOMMOVETYPE && page.move_route) WRITEPAGEROUTE(out, *page.move_route);

    WRITECOMMANDCHUNKS(out, page, MAPPAGECHUNK::COMMANDSIZE, MAPPAGECHUNK::COMMANDS);
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL
