// A list of a game file: a count, then each entry's id (a map event's, a
// page's number) and its chunks up to chunk id 0, which end the list exactly.
#ifndef PAGEWRIGHT_EVENTGAME_ENTRY_LIST_H
#define PAGEWRIGHT_EVENTGAME_ENTRY_LIST_H

#include "codec/chunk_reader.h"

#include <cstdint>

namespace PAGEWRIGHT {

// Each entry's chunks are read to their end before the next entry; what
// overruns the list, or is left after its last entry, is damage.
class ENTRYLIST {
public:
    ENTRYLIST(KESTREL::BYTEVIEW file, KESTREL::SPAN list);

    // False after the last entry.
    bool NEXTENTRY(std::int32_t& id);
    // The entry's next chunk, whose payload is stepped over; false at chunk
    // id 0.
    bool NEXTCHUNK(KESTREL::CHUNK& chunk);
    // The entry's chunks read so far: once NEXTCHUNK gave false, all of them
    // with the closing chunk id 0.
    KESTREL::SPAN ENTRYBODY() const;
    // Where the entry begins: its id, which its chunks follow.
    std::uint32_t ENTRYSTART() const { return static_cast<std::uint32_t>(head_); }

private:
    KESTREL::CHUNKREADER reader_;
    std::int32_t left_;
    std::int64_t head_ = 0;
    std::int64_t start_ = 0;
};

} // namespace PAGEWRIGHT

#endif
