#include "codec/encoding.h"

namespace KESTREL {
namespace {

constexpr std::size_t MAXNUMBERSIZE = 5;

struct ENCODEDNUMBER {
    char bytes[MAXNUMBERSIZE];
    std::size_t size;
};

// The compressed form of a number: its 32 bits taken as unsigned, in 7-bit
// groups, most significant first, bit 7 set on every byte but the last. 0 to
// 2147483647 take 1 to 5 bytes and every negative value exactly 5 (-1 is
// 8F FF FF FF 7F), the form other readers of this data accept.
ENCODEDNUMBER ENCODE(std::int32_t value) {
    auto pattern = static_cast<std::uint32_t>(value);
    char groups[MAXNUMBERSIZE];
    std::size_t count = 0;
    do {
        groups[count++] = static_cast<char>(pattern & 0x7Fu);
        pattern >>= 7;
    } while (pattern != 0);

    ENCODEDNUMBER encoded{};
    encoded.size = count;
    for (std::size_t i = 0; i < count; ++i) {
        const char group = groups[count - 1 - i];
        encoded.bytes[i] = i + 1 < count ? static_cast<char>(group | 0x80) : group;
    }
    return encoded;
}

void APPENDENCODED(BYTESTRING& out, const ENCODEDNUMBER& encoded) {
    out.append(encoded.bytes, encoded.size);
}

void APPENDHEADER(BYTESTRING& out, std::int32_t id, std::uint8_t with_length, std::size_t length) {
    if (id != NOID) APPENDENCODED(out, ENCODE(id));
    if (with_length) APPENDENCODED(out, ENCODE(static_cast<std::int32_t>(length)));
}

} // namespace

BYTESTRING CHOOSESTRING(std::uint8_t flag, BYTEVIEW when_set, BYTEVIEW when_clear) {
    return BYTESTRING(flag ? when_set : when_clear);
}

void APPENDBYTE(BYTESTRING& out, std::int32_t byte) {
    out.push_back(static_cast<char>(byte));
}

void APPENDLONG(BYTESTRING& out, std::int32_t value) {
    const auto pattern = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(pattern), static_cast<char>(pattern >> 8),
                           static_cast<char>(pattern >> 16), static_cast<char>(pattern >> 24)};
    out.append(bytes, sizeof bytes);
}

void APPENDNUMBERCHUNK(BYTESTRING& out, std::int32_t value, std::uint8_t with_length,
                       std::int32_t id) {
    const ENCODEDNUMBER encoded = ENCODE(value);
    APPENDHEADER(out, id, with_length, encoded.size);
    APPENDENCODED(out, encoded);
}

void APPENDDATACHUNK(BYTESTRING& out, BYTEVIEW data, std::uint8_t with_length, std::int32_t id) {
    APPENDHEADER(out, id, with_length, data.size());
    out.append(data);
}

} // namespace KESTREL
