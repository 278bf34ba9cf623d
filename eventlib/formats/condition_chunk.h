// A page's condition chunk, which map and battle pages lay out alike: a flag
// sub-chunk in the page kind's own bit order, then number sub-chunks, each
// written only when its flag bit is set, then sub-id 0.
#ifndef PAGEWRIGHT_FORMATS_CONDITION_CHUNK_H
#define PAGEWRIGHT_FORMATS_CONDITION_CHUNK_H

#include "codec/bytestream.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// Which sub-id fills which field, and which flag bit makes the writer write it.
struct CONDITIONFIELD {
    std::int32_t id;
    std::int32_t CONDITION::*field;
    std::int32_t guard;
};

// What sets one page kind's condition chunk apart.
struct CONDITIONFORMAT {
    std::int32_t flags_id;
    // Reads the flag sub-chunk's length and bytes into the condition's flags.
    void (*read_flags)(BYTESTREAM& stream, CONDITION& condition);
    // The flag sub-chunk's bytes for the condition's flags.
    BYTESTRING (*flag_bytes)(std::int32_t flags);
    // The number sub-chunks, in ascending sub-id order: the order they are
    // written in.
    const CONDITIONFIELD* fields_begin;
    const CONDITIONFIELD* fields_end;
};

// Reads a condition chunk's length and payload into a fresh condition of the
// page. Sub-id 0 ends it early; unknown sub-chunks are skipped.
void READCONDITIONCHUNK(BYTESTREAM& stream, EVENTPAGE& page, const CONDITIONFORMAT& format);

// Appends the condition as chunk `id`.
void WRITECONDITIONCHUNK(BYTESTRING& out, const CONDITION& condition, const CONDITIONFORMAT& format,
                         std::int32_t id);

} // namespace KESTREL

#endif
