#include "codec/chunk_reader.h"

#include <algorithm>

namespace KESTREL {
namespace {

// Far above any position that 32-bit counts can reach from real data, and far
// below the point where adding one more 32-bit count could overflow.
constexpr std::int64_t POSITIONLIMIT = std::int64_t{1} << 62;

} // namespace

CHUNKREADER::CHUNKREADER(BYTEVIEW data, OVERRUN overrun)
    : data_(data), end_(DATASIZE()), overrun_(overrun) {}

CHUNKREADER::CHUNKREADER(BYTEVIEW data, SPAN span, OVERRUN overrun)
    : data_(data.substr(0, std::size_t{span.offset} + span.size)), position_(span.offset),
      end_(DATASIZE()), overrun_(overrun) {}

void CHUNKREADER::ADVANCE(std::int64_t count) {
    position_ = std::min(position_ + count, POSITIONLIMIT);
}

void CHUNKREADER::ENDDATA() {
    position_ = std::max(position_, DATASIZE());
}

std::uint8_t CHUNKREADER::NEXTBYTE() {
    const std::uint8_t byte = position_ < DATASIZE() ? BYTEAT(position_) : 0;
    ADVANCE(1);
    return byte;
}

std::uint8_t CHUNKREADER::BYTE() {
    const std::int64_t start = position_;
    const std::uint8_t byte = NEXTBYTE();
    CHECKREAD(start);
    return byte;
}

std::int32_t CHUNKREADER::LONG() {
    const std::int64_t start = position_;
    std::uint32_t value = 0;
    if (DATASIZE() - position_ >= 4) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data_.data() + position_);
        value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    }
    ADVANCE(4);
    CHECKREAD(start);
    return static_cast<std::int32_t>(value);
}

// A number of more than one byte, or one at or past the end of the data.
std::int32_t CHUNKREADER::LONGNUMBER() {
    const std::int64_t start = position_;
    std::uint32_t value = 0;
    std::uint8_t byte = 0;
    do {
        byte = NEXTBYTE();
        value = value << 7 | (byte & 0x7Fu);
    } while (byte & 0x80u);
    CHECKREAD(start);
    return static_cast<std::int32_t>(value);
}

BYTEVIEW CHUNKREADER::BYTES(std::int32_t count) {
    const std::int64_t start = position_;
    if (count < 0) {
        if (FAULTS()) FAULTAT(start);
        ENDDATA();
        return {};
    }
    BYTEVIEW bytes;
    if (position_ < DATASIZE()) {
        bytes = data_.substr(static_cast<std::size_t>(position_), static_cast<std::size_t>(count));
    }
    ADVANCE(count);
    CHECKREAD(start);
    return bytes;
}

std::int32_t CHUNKREADER::LENGTH() {
    const std::int64_t start = position_;
    const std::int32_t length = NUMBER();
    if (length >= 0) return length;
    if (FAULTS()) FAULTAT(start);
    ENDDATA();
    return 0;
}

std::int64_t CHUNKREADER::RUNITEMS(std::int64_t item_bytes) const {
    return ITEMSTHATFIT(end_ - position_, item_bytes);
}

bool CHUNKREADER::READCHUNK(CHUNK& chunk) {
    if (!MORE() && !FAULTS()) return false;
    const std::int64_t header = position_;
    chunk.id = NUMBER();
    if (chunk.id == ENDCHUNK) return false;
    chunk.length = NUMBER();
    if (FAULTS() && (chunk.length < 0 || chunk.length > READABLE())) FAULTAT(header);
    chunk.header = header;
    chunk.payload = position_;
    return true;
}

void CHUNKREADER::SKIP(const CHUNK& chunk) {
    if (chunk.length < 0) {
        ENDDATA();
        return;
    }
    position_ = std::max(position_, chunk.payload + chunk.length);
}

void CHUNKREADER::FAULTAT(std::int64_t position) const {
    throw DATAERROR(overrun_, position);
}

void CHUNKREADER::CHECKEDRUN(std::int32_t length) {
    if (length < 0 || length > READABLE()) {
        if (FAULTS()) FAULTAT(position_);
        if (length < 0) ENDDATA();
    }
    end_ = std::min(position_ + std::max(length, 0), DATASIZE());
    if (FAULTS()) data_ = data_.substr(0, static_cast<std::size_t>(end_));
}

} // namespace KESTREL
