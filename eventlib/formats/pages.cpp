#include "formats/pages.h"

#include "formats/chunk_lists.h"
#include "formats/page_reading.h"

#include <algorithm>

namespace KESTREL {
namespace {

// Every page of a page list takes at least its number and its closing chunk id.
constexpr std::int64_t LEASTPAGEBYTES = 2;

template <EVENTKIND KIND> void READPAGEBODY(CHUNKREADER& reader, EVENTPAGE& page) {
    CHUNKLIST<KIND, EVENTPAGE>::READ(reader, {&page});
}

} // namespace

template <EVENTKIND KIND> void READPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(reader, event, number, READPAGEBODY<KIND>);
}

template <EVENTKIND KIND>
void WRITEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    if (with_number) APPENDNUMBER(out, page.number);
    CHUNKLIST<KIND, EVENTPAGE>::WRITE(out, {&page});
}

template <EVENTKIND KIND> void READPAGELIST(CHUNKREADER& reader, const CHUNK& chunk, EVENT& event) {
    const RUN list(reader, chunk.length);
    const std::int32_t count = reader.COUNT(LEASTPAGEBYTES);
    DESTROYOBJECT(event.pages, 1, event.page_count);
    event.pages = nullptr;
    event.page_count = 0;
    if (count > 0) {
        event.pages = new EVENTPAGE[count];
        event.page_count = count;
    }
    while (reader.MORE()) {
        READPAGE<KIND>(reader, event, PAGENUMBERINDATA);
    }
}

template <EVENTKIND KIND> void WRITEPAGELIST(BYTESTRING& out, const EVENT& event) {
    const std::int32_t count = std::max(event.page_count, 0);
    APPENDNUMBER(out, count);
    for (std::int32_t i = 0; i < count; ++i)
        WRITEPAGE<KIND>(out, event.pages[i], 1);
}

template void READPAGE<EK_MAP>(CHUNKREADER&, EVENT&, std::int32_t);
template void READPAGE<EK_BATTLE>(CHUNKREADER&, EVENT&, std::int32_t);
template void WRITEPAGE<EK_MAP>(BYTESTRING&, const EVENTPAGE&, std::uint8_t);
template void WRITEPAGE<EK_BATTLE>(BYTESTRING&, const EVENTPAGE&, std::uint8_t);
template void READPAGELIST<EK_MAP>(CHUNKREADER&, const CHUNK&, EVENT&);
template void READPAGELIST<EK_BATTLE>(CHUNKREADER&, const CHUNK&, EVENT&);
template void WRITEPAGELIST<EK_MAP>(BYTESTRING&, const EVENT&);
template void WRITEPAGELIST<EK_BATTLE>(BYTESTRING&, const EVENT&);

} // namespace KESTREL
