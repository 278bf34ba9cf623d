// A page's condition chunk: the rows of CONDITION for the page's kind, then
// sub-id 0.
#ifndef PAGEWRIGHT_FORMATS_CONDITION_CHUNK_H
#define PAGEWRIGHT_FORMATS_CONDITION_CHUNK_H

#include "formats/chunk_lists.h"

namespace KESTREL {

// Reads a condition chunk's payload into a fresh condition of the page: one
// that occurs twice replaces the earlier condition, which is released.
template <EVENTKIND KIND>
void READCONDITIONCHUNK(CHUNKREADER& reader, const CHUNK& chunk, EVENTPAGE& page) {
    const RUN fields(reader, chunk.length);
    DESTROYOBJECT(page.condition, 0, 1);
    page.condition = new CONDITION;
    CHUNKLIST<KIND, CONDITION>::READ(reader, {page.condition});
}

// Appends the condition as chunk `id`.
template <EVENTKIND KIND>
void WRITECONDITIONCHUNK(BYTESTRING& out, const CONDITION& condition, std::int32_t id) {
    BYTESTRING payload;
    CHUNKLIST<KIND, CONDITION>::WRITE(payload, {&condition});
    APPENDDATACHUNK(out, payload, WITHLENGTH, id);
}

} // namespace KESTREL

#endif
