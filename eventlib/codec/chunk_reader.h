// The one reader of encoded data: bytes, numbers and lengths, chunks, and runs
// of items (a chunk list, a command list, a move route, a page list, a game
// file's list) bounded by the end of the data and by lengths the data gives.
#ifndef PAGEWRIGHT_CODEC_CHUNK_READER_H
#define PAGEWRIGHT_CODEC_CHUNK_READER_H

#include "formats/chunk_ids.h"
#include "kestrel_internal.h"

#include <algorithm>
#include <cstdint>
#include <exception>

namespace KESTREL {

// What a read past the end means, which sets the reader's bounds.
//
// ZEROS, for clipboard data: the data goes on in zero bytes, and reads there
// still advance, so the position may stand beyond the data. A run's end ends
// the loop over the run's items, but not the reads of an item that began
// inside it: an item's own lengths come from the data and need not nest inside
// the run's. Lengths below zero end the data.
//
// CUTSHORT and DAMAGED, for game files, whose lengths nest exactly: what would
// be read past the run's end, a chunk's payload that would end past it and a
// length or count below zero throw DATAERROR: the data is cut short or damaged
// at the byte where the read began.
enum class OVERRUN : std::uint8_t { ZEROS, CUTSHORT, DAMAGED };

// Bytes that their reader refuses: whether they are cut short or damaged, and
// the byte where the refused read began.
class DATAERROR : public std::exception {
public:
    DATAERROR(OVERRUN fault, std::int64_t position) : fault(fault), position(position) {}

    OVERRUN fault;
    std::int64_t position;
};

// A chunk as its header gives it: its id, where the header (the id, then the
// length) begins, and where its payload begins and how long it says it is.
// What a writer needs that replaces a payload and rewrites the lengths around
// it.
struct CHUNK {
    std::int32_t id = 0;
    std::int32_t length = 0;
    std::int64_t header = 0;
    std::int64_t payload = 0;

    // For a chunk that a faulting reader gave, which lies inside the data.
    SPAN PAYLOAD() const {
        return {static_cast<std::uint32_t>(payload), static_cast<std::uint32_t>(length)};
    }
};

// A read cursor over bytes that the caller keeps alive for the reader's life.
// The position counts from the start of the data, also for a reader of a span
// of it. It is 64 bits wide and saturates far above any 32-bit length, so
// `position + n` never wraps, and it never moves backwards.
class CHUNKREADER {
public:
    explicit CHUNKREADER(BYTEVIEW data, OVERRUN overrun = OVERRUN::ZEROS);
    // The span of the data: from its start, up to its end as the end of the
    // data.
    CHUNKREADER(BYTEVIEW data, SPAN span, OVERRUN overrun);

    std::int64_t POSITION() const { return position_; }
    // Whether the run goes on at the position: whether it holds another item.
    bool MORE() const { return position_ < end_; }
    // How many bytes can be read from the position: up to the end of the data,
    // or, where reads past the end fault, of the run.
    std::int64_t READABLE() const {
        const std::int64_t readable = DATASIZE() - position_;
        return readable > 0 ? readable : 0;
    }

    // The byte at the position, or 0 past the end; advances by 1.
    std::uint8_t BYTE();
    // A little-endian 32-bit integer, or 0 when fewer than 4 bytes remain;
    // advances by 4.
    std::int32_t LONG();

    // One compressed integer; only its last 32 bits survive. Data that ends
    // inside the number closes it with one virtual 0 byte. Most numbers are
    // below 128 and take one byte, which is read inline: every list is a run
    // of numbers.
    std::int32_t NUMBER() {
        if (position_ < DATASIZE() && (BYTEAT(position_) & 0x80u) == 0) return BYTEAT(position_++);
        return LONGNUMBER();
    }

    // The bytes from the position on that lie inside the data, at most `count`
    // of them, as a view into the data; advances by `count`. A negative count
    // reads nothing and moves the position to the end of the data, as if the
    // data ended here: it neither moves back nor reads outside the data.
    BYTEVIEW BYTES(std::int32_t count);

    // A length. A negative one cannot be honoured without moving backwards; it
    // ends the data as in BYTES, and reads as 0.
    std::int32_t LENGTH();

    // A count of items of at least `item_bytes` bytes each, which cannot be
    // more than the items that can begin in what is readable: a count never
    // allocates or loops beyond what the data can carry, since past its end
    // every item would be zeros. Zero-filled data caps a count at that, and a
    // negative count holds none. Every command reads one, so it is inline.
    std::int32_t COUNT(std::int64_t item_bytes) {
        const std::int64_t start = position_;
        const std::int32_t count = NUMBER();
        const std::int64_t fit = ITEMSTHATFIT(READABLE(), item_bytes);
        if (FAULTS() && (count < 0 || count > fit)) FAULTAT(start);
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(count, 0, fit));
    }

    // The most items of at least `item_bytes` bytes each that can begin before
    // the run ends inside the data: the room to make for the run's items.
    std::int64_t RUNITEMS(std::int64_t item_bytes) const;

    // Reads the header of the run's next chunk and stands at its payload,
    // which the caller then reads or SKIPs; false after chunk id 0. At the end
    // of the run, zero-filled data gives false without reading on, as if it
    // read chunk id 0 there. A number chunk's value is the NUMBER at its
    // payload, whatever length it declares. Most chunks have an id and a
    // length below 128, a byte each, and lie inside the data: pages are runs
    // of them, so these are read inline.
    bool NEXTCHUNK(CHUNK& chunk) {
        if (position_ + 2 <= end_) {
            const std::uint8_t id = BYTEAT(position_);
            const std::uint8_t length = BYTEAT(position_ + 1);
            if (id != ENDCHUNK && ((id | length) & 0x80u) == 0 &&
                position_ + 2 + length <= DATASIZE()) {
                chunk.id = id;
                chunk.length = length;
                chunk.header = position_;
                position_ += 2;
                chunk.payload = position_;
                return true;
            }
        }
        return READCHUNK(chunk);
    }

    // Goes on after the chunk's payload. A negative length ends the data, as
    // in BYTES.
    void SKIP(const CHUNK& chunk);

    // Throws DATAERROR for what begins at the position.
    [[noreturn]] void FAULTAT(std::int64_t position) const;

private:
    friend class RUN;

    std::int64_t DATASIZE() const { return static_cast<std::int64_t>(data_.size()); }
    bool FAULTS() const { return overrun_ != OVERRUN::ZEROS; }
    // Faults for a read from `start` that went past the end of the data.
    void CHECKREAD(std::int64_t start) const {
        if (position_ > DATASIZE() && FAULTS()) FAULTAT(start);
    }
    // The byte at `at`, which lies inside the data.
    std::uint8_t BYTEAT(std::int64_t at) const {
        return static_cast<std::uint8_t>(data_[static_cast<std::size_t>(at)]);
    }
    void ADVANCE(std::int64_t count);
    void ENDDATA();
    // The byte at the position, or 0 past the end; advances by 1 and leaves
    // the check of the read to its caller.
    std::uint8_t NEXTBYTE();
    std::int32_t LONGNUMBER();
    bool READCHUNK(CHUNK& chunk);
    // Starts a run of `length` bytes from the position where the length is
    // below 0 or reads fault: there the data ends with the run.
    void CHECKEDRUN(std::int32_t length);
    static std::int64_t ITEMSTHATFIT(std::int64_t bytes, std::int64_t item_bytes) {
        return ((bytes > 0 ? bytes : 0) + item_bytes - 1) / item_bytes;
    }

    // Where reads fault, only as far as the run: beyond it the reads see zeros
    // and CHECKREAD refuses them.
    BYTEVIEW data_;
    std::int64_t position_ = 0;
    std::int64_t end_;
    OVERRUN overrun_;
};

// While it lives, the reader's run is this one; the run it is nested in comes
// back after it, and the reader goes on from where the run's reads stopped.
// A run ends no further than the data.
class RUN {
public:
    // The run of `length` bytes from the position. A negative length ends the
    // data, as in BYTES, and the run with it. Where reads fault, the length
    // must be readable.
    RUN(CHUNKREADER& reader, std::int32_t length) : reader_(reader), outer_end_(reader.end_) {
        if (length < 0 || reader.FAULTS()) {
            reader.CHECKEDRUN(length);
        } else {
            reader.end_ = std::min(reader.position_ + length, reader.DATASIZE());
        }
    }
    // A run with no length of its own, which only the end of what is readable
    // ends.
    explicit RUN(CHUNKREADER& reader) : reader_(reader), outer_end_(reader.end_) {
        reader.end_ = reader.DATASIZE();
    }
    ~RUN() {
        reader_.end_ = outer_end_;
        if (reader_.FAULTS()) {
            reader_.data_ = BYTEVIEW(reader_.data_.data(), static_cast<std::size_t>(outer_end_));
        }
    }

    RUN(const RUN&) = delete;
    RUN& operator=(const RUN&) = delete;

private:
    CHUNKREADER& reader_;
    std::int64_t outer_end_;
};

} // namespace KESTREL

#endif
