#include "formats/battlepage.h"

#include "codec/encoding.h"
#include "formats/chunk_ids.h"
#include "formats/commandlist.h"
#include "formats/condition_chunk.h"
#include "formats/page_reading.h"

namespace KESTREL {
namespace {

void READBATTLEPAGEBODY(CHUNKREADER& reader, EVENTPAGE& page) {
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case BATTLEPAGECHUNK::CONDITION:
            READCONDITIONCHUNK<EK_BATTLE>(reader, chunk, page);
            break;
        case BATTLEPAGECHUNK::COMMANDSIZE:
            reader.NUMBER();
            break;
        case BATTLEPAGECHUNK::COMMANDS:
            READCOMMANDLIST(reader, page, chunk.length);
            break;
        default:
            reader.SKIP(chunk);
        }
    }
}

} // namespace

void READBATTLEPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(reader, event, number, READBATTLEPAGEBODY);
}

void WRITEBATTLEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    if (with_number) APPENDNUMBER(out, page.number);
    WRITECONDITIONCHUNK<EK_BATTLE>(out, page.condition ? *page.condition : CONDITION{},
                                   BATTLEPAGECHUNK::CONDITION);
    WRITECOMMANDCHUNKS(out, page, BATTLEPAGECHUNK::COMMANDSIZE, BATTLEPAGECHUNK::COMMANDS);
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL
