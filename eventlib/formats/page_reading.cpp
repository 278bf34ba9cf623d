#include "formats/page_reading.h"

#include "records/release.h"

namespace KESTREL {
namespace {

EVENTPAGE* PAGESLOT(EVENT& event, std::int32_t number) {
    if (number < 1 || event.page_count < 1) return nullptr;
    return number > event.page_count ? &event.pages[0] : &event.pages[number - 1];
}

} // namespace

void READPAGEINTOSLOT(CHUNKREADER& reader, EVENT& event, std::int32_t number,
                      PAGEBODYREADER read_body) {
    if (number == PAGENUMBERINDATA) number = reader.NUMBER();
    const RUN body(reader);
    if (EVENTPAGE* slot = PAGESLOT(event, number)) {
        slot->number = number;
        read_body(reader, *slot);
        return;
    }
    EVENTPAGE dropped;
    read_body(reader, dropped);
    RELEASEOWNED(dropped);
}

} // namespace KESTREL
