// One map event page: the element of a map event's page list and the body of
// a map event page.
#ifndef PAGEWRIGHT_FORMATS_MAPPAGE_H
#define PAGEWRIGHT_FORMATS_MAPPAGE_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// Reads one page body into the event's page slot that `number` chooses; with
// PAGENUMBERINDATA the number is read from the data first.
void READMAPPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number);

// Appends the page as a map page, led by its number when asked. Any page can
// be written: what a map page does not carry is written at its defaults, and a
// page without a condition as if it had a default one.
void WRITEMAPPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number);

} // namespace KESTREL

#endif
