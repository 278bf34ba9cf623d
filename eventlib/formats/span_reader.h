// Reads of a game file that keep inside one span of it: the file after its
// kind name, a chunk's payload, a list. Unlike the reads of clipboard data,
// which see zeros past the end, these refuse what runs past the span's end,
// since a game file's lengths nest exactly: past the file's end the file is
// cut short, short of it damaged.
#ifndef PAGEWRIGHT_FORMATS_SPAN_READER_H
#define PAGEWRIGHT_FORMATS_SPAN_READER_H

#include "codec/bytestream.h"
#include "game_files.h"

#include <cstdint>

namespace KESTREL {

// What it means when a read runs past the span's end.
enum class OVERRUN : std::uint8_t { CUTSHORT, DAMAGED };

struct CHUNK {
    std::int32_t id = 0;
    SPAN payload;
};

class SPANREADER {
public:
    SPANREADER(BYTEVIEW file, SPAN span, OVERRUN overrun);

    bool END() const { return STREAMEND(stream_); }
    std::uint32_t POSITION() const { return static_cast<std::uint32_t>(stream_.position); }

    std::int32_t NUMBER();
    // A count of items of at least `item_bytes` bytes each, which the rest
    // of the span must be able to hold.
    std::int32_t COUNT(std::int64_t item_bytes);
    // The next chunk; false at chunk id 0.
    bool NEXTCHUNK(CHUNK& chunk);

    // Throws GAMEFILEERROR for what begins at the position.
    [[noreturn]] void FAULTAT(std::uint32_t position) const;

private:
    BYTESTREAM stream_;
    OVERRUN overrun_;
};

// A number chunk's value.
std::int32_t NUMBERIN(BYTEVIEW file, SPAN payload);

// A list of a game file: a count, then each entry's id (a map event's,
// a page's number) and its chunks up to chunk id 0, which end the list
// exactly. Each entry's chunks are read to their end before the next entry.
class ENTRYLIST {
public:
    ENTRYLIST(BYTEVIEW file, SPAN list);

    // False after the last entry.
    bool NEXTENTRY(std::int32_t& id);
    bool NEXTCHUNK(CHUNK& chunk) { return reader_.NEXTCHUNK(chunk); }
    // The entry's chunks read so far: once NEXTCHUNK gave false, all of them
    // with the closing chunk id 0.
    SPAN ENTRYBODY() const { return {start_, reader_.POSITION() - start_}; }

private:
    SPANREADER reader_;
    std::int32_t left_;
    std::uint32_t start_ = 0;
};

} // namespace KESTREL

#endif
