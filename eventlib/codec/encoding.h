#ifndef PAGEWRIGHT_CODEC_ENCODING_H
#define PAGEWRIGHT_CODEC_ENCODING_H

#include "kestrel_internal.h"

#include <cstdint>

namespace KESTREL {

// Chunk id meaning "write no id".
constexpr std::int32_t NOID = -1;
constexpr std::uint8_t WITHLENGTH = 1;
constexpr std::uint8_t NOLENGTH = 0;

// The compressed form of a number: its 32 bits taken as unsigned, in 7-bit
// groups, most significant first, bit 7 set on every byte but the last. 0 to
// 2147483647 take 1 to 5 bytes and every negative value exactly 5 (-1 is
// 8F FF FF FF 7F), the form other readers of this data accept.
BYTESTRING ENCODENUMBER(std::int32_t value);

// All bytes of `bytes` taken as 7-bit groups, bit 7 ignored.
std::int32_t DECODENUMBER(BYTEVIEW bytes);

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

} // namespace KESTREL

#endif
