// Reading and writing pieces that every event data format shares: lengths,
// skipped chunks, number chunks and names.
#ifndef PAGEWRIGHT_FORMATS_FIELDS_H
#define PAGEWRIGHT_FORMATS_FIELDS_H

#include "codec/bytestream.h"
#include "codec/encoding.h"

#include <cstdint>

namespace KESTREL {

// A length read from the data. A negative length cannot be honoured without
// moving backwards; it ends the data as if the data had ended here, and reads
// as 0.
std::int32_t READLENGTH(BYTESTREAM& stream);

// Reads a chunk's length and steps over its payload.
void SKIPCHUNK(BYTESTREAM& stream);

// The value of a number chunk. Its declared length is read and not checked:
// the value is always exactly one compressed integer.
std::int32_t READNUMBERVALUE(BYTESTREAM& stream);

// A length, then that many raw bytes, as a new name.
char* READNAME(BYTESTREAM& stream);

// Frees the name held and holds the fresh one instead.
void REPLACENAME(char*& name, char* fresh);

// The bytes of a name up to its first zero byte; empty for an absent name.
BYTEVIEW NAMEVIEW(const char* name);

// The most items of at least `item_bytes` bytes each that can begin within the
// next `length` bytes, of which only those inside the data count. Counts read
// from the data are capped by it, so that a count never allocates or loops
// beyond what the data can carry: past its end every item would be zeros.
std::int64_t ITEMSTHATFIT(const BYTESTREAM& stream, std::int64_t length, std::int64_t item_bytes);

} // namespace KESTREL

#endif
