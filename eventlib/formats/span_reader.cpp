#include "formats/span_reader.h"

#include "formats/chunk_ids.h"
#include "formats/fields.h"

#include <string>

namespace KESTREL {
namespace {

// Every entry takes at least its id and its closing chunk id.
constexpr std::int64_t LEASTENTRYBYTES = 2;

} // namespace

SPANREADER::SPANREADER(BYTEVIEW file, SPAN span, OVERRUN overrun)
    : stream_(OPENSTREAM(file.substr(0, std::size_t{span.offset} + span.size))), overrun_(overrun) {
    stream_.position = span.offset;
}

std::int32_t SPANREADER::NUMBER() {
    const std::uint32_t start = POSITION();
    const std::int32_t value = READNUMBER(stream_);
    if (stream_.position > static_cast<std::int64_t>(stream_.data.size())) FAULTAT(start);
    return value;
}

std::int32_t SPANREADER::COUNT(std::int64_t item_bytes) {
    const std::uint32_t start = POSITION();
    const std::int32_t count = NUMBER();
    if (count < 0 || count > ITEMSTHATFIT(stream_, STREAMREMAINING(stream_), item_bytes)) {
        FAULTAT(start);
    }
    return count;
}

bool SPANREADER::NEXTCHUNK(CHUNK& chunk) {
    const std::uint32_t start = POSITION();
    chunk.id = NUMBER();
    if (chunk.id == ENDCHUNK) return false;
    const std::int32_t length = NUMBER();
    if (length < 0 || length > STREAMREMAINING(stream_)) FAULTAT(start);
    chunk.payload = {POSITION(), static_cast<std::uint32_t>(length)};
    READBYTES(stream_, length);
    return true;
}

void SPANREADER::FAULTAT(std::uint32_t position) const {
    throw GAMEFILEERROR(
        (overrun_ == OVERRUN::CUTSHORT ? "cut short at byte " : "damaged at byte ") +
        std::to_string(position));
}

std::int32_t NUMBERIN(BYTEVIEW file, SPAN payload) {
    return SPANREADER(file, payload, OVERRUN::DAMAGED).NUMBER();
}

ENTRYLIST::ENTRYLIST(BYTEVIEW file, SPAN list)
    : reader_(file, list, OVERRUN::DAMAGED), left_(reader_.COUNT(LEASTENTRYBYTES)) {}

bool ENTRYLIST::NEXTENTRY(std::int32_t& id) {
    if (left_ == 0) {
        if (!reader_.END()) reader_.FAULTAT(reader_.POSITION());
        return false;
    }
    --left_;
    id = reader_.NUMBER();
    start_ = reader_.POSITION();
    return true;
}

} // namespace KESTREL
