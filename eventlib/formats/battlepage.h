// One battle event page: the element of a monster group's page list and the
// body of a battle event page.
#ifndef PAGEWRIGHT_FORMATS_BATTLEPAGE_H
#define PAGEWRIGHT_FORMATS_BATTLEPAGE_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// Reads one page body into the event's page slot that `number` chooses; with
// PAGENUMBERINDATA the number is read from the data first.
void READBATTLEPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number);

// Appends the page's condition and commands as a battle page, led by its
// number when asked. A page without a condition is written as if it had a
// default one.
void WRITEBATTLEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number);

} // namespace KESTREL

#endif
