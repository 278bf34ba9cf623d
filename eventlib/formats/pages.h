// Map and battle event pages: the elements of a map event's or a monster
// group's page list, and the bodies of the lone page formats.
#ifndef PAGEWRIGHT_FORMATS_PAGES_H
#define PAGEWRIGHT_FORMATS_PAGES_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// For a map page, KIND is EK_MAP; for a battle page, EK_BATTLE.

// Reads one page body into the event's page slot that `number` chooses; with
// PAGENUMBERINDATA the number is read from the data first.
template <EVENTKIND KIND> void READPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number);

// Appends the page, led by its number when asked. Any page can be written as
// either kind: what the kind does not carry is left out or written at its
// defaults, and a page without a condition is written as if it had a default
// one.
template <EVENTKIND KIND>
void WRITEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number);

// The page list chunk's payload: the count of pages, then each page led by its
// number. A count of 0 or less gives no pages; the page bodies that follow are
// still read, and land in no slot. A later page list replaces an earlier one.
template <EVENTKIND KIND> void READPAGELIST(CHUNKREADER& reader, const CHUNK& chunk, EVENT& event);
template <EVENTKIND KIND> void WRITEPAGELIST(BYTESTRING& out, const EVENT& event);

} // namespace KESTREL

#endif
