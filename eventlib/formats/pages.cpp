#include "formats/pages.h"

#include "formats/chunk_lists.h"
#include "formats/page_reading.h"

namespace KESTREL {
namespace {

template <EVENTKIND KIND> void READPAGEBODY(CHUNKREADER& reader, EVENTPAGE& page) {
    CHUNKLIST<KIND, EVENTPAGE>::READ(reader, {&page});
}

template <EVENTKIND KIND>
void WRITEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    if (with_number) APPENDNUMBER(out, page.number);
    CHUNKLIST<KIND, EVENTPAGE>::WRITE(out, {&page});
}

} // namespace

void READMAPPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(reader, event, number, READPAGEBODY<EK_MAP>);
}

void READBATTLEPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(reader, event, number, READPAGEBODY<EK_BATTLE>);
}

void WRITEMAPPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    WRITEPAGE<EK_MAP>(out, page, with_number);
}

void WRITEBATTLEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    WRITEPAGE<EK_BATTLE>(out, page, with_number);
}

} // namespace KESTREL
