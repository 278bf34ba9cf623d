// The number sub-chunks of a page condition, as tables: which sub-id fills
// which CONDITION field, and which flag bit makes the writer write it.
#ifndef PAGEWRIGHT_FORMATS_CONDITION_FIELDS_H
#define PAGEWRIGHT_FORMATS_CONDITION_FIELDS_H

#include "codec/bytestream.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

struct CONDITIONFIELD {
    std::int32_t id;
    std::int32_t CONDITION::*field;
    std::int32_t guard;
};

// The fields of one page kind, in ascending sub-id order: the order in which
// they are written.
struct CONDITIONTABLE {
    const CONDITIONFIELD* begin;
    const CONDITIONFIELD* end;
};

// When `id` is a number sub-chunk of the table, reads its value into the
// field and returns true.
bool READCONDITIONFIELD(BYTESTREAM& stream, CONDITIONTABLE table, std::int32_t id,
                        CONDITION& condition);

// Appends the number sub-chunk of every field whose guard bit is set.
void WRITECONDITIONFIELDS(BYTESTRING& out, CONDITIONTABLE table, const CONDITION& condition);

} // namespace KESTREL

#endif
