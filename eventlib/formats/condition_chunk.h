// A page's condition chunk, which map and battle pages lay out alike: a flag
// sub-chunk in the page kind's own bit order, then number sub-chunks, each
// written only when its flag bit is set, then sub-id 0.
#ifndef PAGEWRIGHT_FORMATS_CONDITION_CHUNK_H
#define PAGEWRIGHT_FORMATS_CONDITION_CHUNK_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// The sub-id of a field that a page kind's condition has no place for.
constexpr std::int32_t NOSUBCHUNK = 0;

// Which sub-chunk of each page kind's condition holds a field, and which flag
// bit makes the writer write it.
struct CONDITIONFIELD {
    std::int32_t CONDITION::*field;
    std::int32_t guard;
    std::int32_t map_id;
    std::int32_t battle_id;
};

// What sets one page kind's condition chunk apart.
struct CONDITIONFORMAT {
    std::int32_t flags_id;
    // Reads the flag sub-chunk's payload into the condition's flags.
    void (*read_flags)(CHUNKREADER& reader, const CHUNK& chunk, CONDITION& condition);
    // The flag sub-chunk's bytes for the condition's flags.
    BYTESTRING (*flag_bytes)(std::int32_t flags);
    // The page kind's sub-id in CONDITIONFIELD.
    std::int32_t CONDITIONFIELD::*id;
};

// Reads a condition chunk's payload into a fresh condition of the page. Sub-id
// 0 ends it early; unknown sub-chunks are skipped.
void READCONDITIONCHUNK(CHUNKREADER& reader, const CHUNK& chunk, EVENTPAGE& page,
                        const CONDITIONFORMAT& format);

// Appends the condition as chunk `id`.
void WRITECONDITIONCHUNK(BYTESTRING& out, const CONDITION& condition, const CONDITIONFORMAT& format,
                         std::int32_t id);

} // namespace KESTREL

#endif
