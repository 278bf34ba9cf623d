#include "formats/page_reading.h"

#include "records/release.h"

namespace KESTREL {
namespace {

EVENTPAGE* PAGESLOT(EVENT& event, std::int32_t number) {
    if (number < 1 || event.page_count < 1) return nullptr;
    return number > event.page_count ? &event.pages[0] : &event.pages[number - 1];
}

} // namespace

void READPAGEINTOSLOT(BYTESTREAM& stream, EVENT& event, std::int32_t number,
                      PAGEBODYREADER read_body) {
    if (number == PAGENUMBERINDATA) number = READNUMBER(stream);
    if (EVENTPAGE* slot = PAGESLOT(event, number)) {
        slot->number = number;
        read_body(stream, *slot);
        return;
    }
    EVENTPAGE dropped;
    read_body(stream, dropped);
    RELEASEOWNED(dropped);
}

} // namespace KESTREL
