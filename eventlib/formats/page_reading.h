// Which slot of an event a page read from the data lands in.
#ifndef PAGEWRIGHT_FORMATS_PAGE_READING_H
#define PAGEWRIGHT_FORMATS_PAGE_READING_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// The page number argument that tells a page reader to take the number from
// the data, where the page stands in a page list.
constexpr std::int32_t PAGENUMBERINDATA = -1;

using PAGEBODYREADER = void (*)(CHUNKREADER& reader, EVENTPAGE& page);

// Reads one page into the slot its number chooses: the page of that number,
// or the first page for a number above the page count. A number below 1, or
// an event without pages, has no slot: the body is still read whole, so that
// the reader stays in step, and then dropped. A page has no length of its own:
// only chunk id 0, or the end of the data, ends it.
void READPAGEINTOSLOT(CHUNKREADER& reader, EVENT& event, std::int32_t number,
                      PAGEBODYREADER read_body);

} // namespace KESTREL

#endif
