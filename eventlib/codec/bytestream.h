#ifndef PAGEWRIGHT_CODEC_BYTESTREAM_H
#define PAGEWRIGHT_CODEC_BYTESTREAM_H

#include "kestrel_internal.h"

#include <cstdint>

namespace KESTREL {

// A read cursor over bytes that the caller keeps alive for the stream's life.
//
// Reads past the end of the data see zero bytes and still advance, so the
// position may stand beyond the data. It is 64 bits wide and saturates far
// above any 32-bit length, so `position + n` never wraps, and it never moves
// backwards.
struct BYTESTREAM {
    BYTEVIEW data;
    std::int64_t position = 0;
};

BYTESTREAM OPENSTREAM(BYTEVIEW data);

// The byte at the position, or 0 past the end; advances by 1.
std::uint8_t READBYTE(BYTESTREAM& stream);

// A little-endian 32-bit integer, or 0 when fewer than 4 bytes remain; advances by 4.
std::int32_t READLONG(BYTESTREAM& stream);

// The rest of a number that the data ends inside of: one virtual 0 byte
// closes it.
std::int32_t CLOSENUMBER(BYTESTREAM& stream, std::uint32_t value);

// One compressed integer; only its last 32 bits survive. Data that ends inside
// the number closes it with one virtual 0 byte. Every list is a run of these,
// so the bytes inside the data are read inline.
inline std::int32_t READNUMBER(BYTESTREAM& stream) {
    const auto size = static_cast<std::int64_t>(stream.data.size());
    std::uint32_t value = 0;
    while (stream.position < size) {
        const auto byte =
            static_cast<std::uint8_t>(stream.data[static_cast<std::size_t>(stream.position++)]);
        value = value << 7 | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0) return static_cast<std::int32_t>(value);
    }
    return CLOSENUMBER(stream, value);
}

// The bytes from the position on that lie inside the data, at most `count` of
// them, as a view into the stream's data; advances by `count`. A negative count
// reads nothing and moves the position to the end of the data, as if the data
// ended here: it neither moves back nor reads outside the data.
BYTEVIEW READBYTES(BYTESTREAM& stream, std::int32_t count);

// True when the position is at or past the end of the data.
inline bool STREAMEND(const BYTESTREAM& stream) {
    return stream.position >= static_cast<std::int64_t>(stream.data.size());
}

// How many bytes of data lie at and after the position (0 past the end).
inline std::int64_t STREAMREMAINING(const BYTESTREAM& stream) {
    const std::int64_t remaining = static_cast<std::int64_t>(stream.data.size()) - stream.position;
    return remaining > 0 ? remaining : 0;
}

} // namespace KESTREL

#endif
