#include "codec/bytestream.h"

#include <algorithm>

namespace KESTREL {
namespace {

// Far above any position that 32-bit counts can reach from real data, and far
// below the point where adding one more 32-bit count could overflow.
constexpr std::int64_t POSITIONLIMIT = std::int64_t{1} << 62;

std::int64_t DATASIZE(const BYTESTREAM& stream) {
    return static_cast<std::int64_t>(stream.data.size());
}

void ADVANCE(BYTESTREAM& stream, std::int64_t count) {
    stream.position = std::min(stream.position + count, POSITIONLIMIT);
}

} // namespace

BYTESTREAM OPENSTREAM(BYTEVIEW data) {
    return BYTESTREAM{data, 0};
}

std::uint8_t READBYTE(BYTESTREAM& stream) {
    std::uint8_t byte = 0;
    if (stream.position < DATASIZE(stream)) {
        byte = static_cast<std::uint8_t>(stream.data[static_cast<std::size_t>(stream.position)]);
    }
    ADVANCE(stream, 1);
    return byte;
}

std::int32_t READLONG(BYTESTREAM& stream) {
    std::uint32_t value = 0;
    if (DATASIZE(stream) - stream.position >= 4) {
        const auto* bytes =
            reinterpret_cast<const std::uint8_t*>(stream.data.data() + stream.position);
        value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    }
    ADVANCE(stream, 4);
    return static_cast<std::int32_t>(value);
}

std::int32_t CLOSENUMBER(BYTESTREAM& stream, std::uint32_t value) {
    return static_cast<std::int32_t>(value << 7 | READBYTE(stream));
}

BYTEVIEW READBYTES(BYTESTREAM& stream, std::int32_t count) {
    if (count < 0) {
        stream.position = std::max(stream.position, DATASIZE(stream));
        return {};
    }
    BYTEVIEW bytes;
    if (stream.position < DATASIZE(stream)) {
        const auto start = static_cast<std::size_t>(stream.position);
        bytes = stream.data.substr(start, static_cast<std::size_t>(count));
    }
    ADVANCE(stream, count);
    return bytes;
}

} // namespace KESTREL
