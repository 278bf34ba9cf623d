// Map and battle event pages: the elements of a map event's or a monster
// group's page list, and the bodies of the lone page formats.
#ifndef PAGEWRIGHT_FORMATS_PAGES_H
#define PAGEWRIGHT_FORMATS_PAGES_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// Reads one page body into the event's page slot that `number` chooses; with
// PAGENUMBERINDATA the number is read from the data first.
void READMAPPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number);
void READBATTLEPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number);

// Appends the page, led by its number when asked. Any page can be written as
// either kind: what the kind does not carry is left out or written at its
// defaults, and a page without a condition is written as if it had a default
// one.
void WRITEMAPPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number);
void WRITEBATTLEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number);

} // namespace KESTREL

#endif
