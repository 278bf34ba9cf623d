#ifndef PAGEWRIGHT_CODEC_ENCODING_H
#define PAGEWRIGHT_CODEC_ENCODING_H

#include "kestrel_internal.h"

#include <cstdint>

namespace KESTREL {

// Chunk id meaning "write no id".
constexpr std::int32_t NOID = -1;
constexpr std::uint8_t WITHLENGTH = 1;
constexpr std::uint8_t NOLENGTH = 0;

// A copy of `when_set` when flag is non-zero, else of `when_clear`.
BYTESTRING CHOOSESTRING(std::uint8_t flag, BYTEVIEW when_set, BYTEVIEW when_clear);

void APPENDBYTE(BYTESTRING& out, std::int32_t byte);
void APPENDLONG(BYTESTRING& out, std::int32_t value);

// [id] [length of the encoded value] value, the bracketed parts left out for
// id NOID and NOLENGTH.
void APPENDNUMBERCHUNK(BYTESTRING& out, std::int32_t value, std::uint8_t with_length,
                       std::int32_t id);

// [id] [byte length of data] data.
void APPENDDATACHUNK(BYTESTRING& out, BYTEVIEW data, std::uint8_t with_length, std::int32_t id);

// A bare number, as every number of command lists and move routes is written.
// Most of them are below 128 and take one byte, which is appended directly:
// command lists are long, and this is where encoding them spends its time.
inline void APPENDNUMBER(BYTESTRING& out, std::int32_t value) {
    if (value >= 0 && value < 0x80) {
        out.push_back(static_cast<char>(value));
        return;
    }
    APPENDNUMBERCHUNK(out, value, NOLENGTH, NOID);
}

} // namespace KESTREL

#endif
