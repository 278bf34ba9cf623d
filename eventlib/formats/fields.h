// Reading and writing pieces that every event data format shares: names.
#ifndef PAGEWRIGHT_FORMATS_FIELDS_H
#define PAGEWRIGHT_FORMATS_FIELDS_H

#include "codec/chunk_reader.h"
#include "codec/encoding.h"

#include <cstdint>

namespace KESTREL {

// `length` raw bytes as a new name; a negative length ends the data, as in
// BYTES, and gives the empty name.
char* READNAME(CHUNKREADER& reader, std::int32_t length);

// Frees the name held and holds the fresh one instead.
void REPLACENAME(char*& name, char* fresh);

// The bytes of a name up to its first zero byte; empty for an absent name.
BYTEVIEW NAMEVIEW(const char* name);

} // namespace KESTREL

#endif
