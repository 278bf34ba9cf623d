// The loop over a run of items in the data: a chunk list, a command list, a
// move route, a page list.
#ifndef PAGEWRIGHT_FORMATS_LIMITED_RUN_H
#define PAGEWRIGHT_FORMATS_LIMITED_RUN_H

#include "codec/bytestream.h"
#include "formats/chunk_ids.h"

#include <cstdint>
#include <limits>

namespace KESTREL {

// Where a run may go on: up to a length from where it begins, and no further
// than the data. Like the limit that a length-limited input stream pushes, it
// ends the loop over the run's items; unlike that limit, it leaves the reads
// of an item that began inside the run alone, since an item's own lengths come
// from the data and need not nest inside the run's.
class LIMITEDRUN {
public:
    // The run of `length` bytes from the position.
    LIMITEDRUN(BYTESTREAM& stream, std::int32_t length)
        : stream_(stream), end_(stream.position + length) {}

    // A run with no length of its own, which only its end marker ends: past
    // the end of the data, every id reads as that marker.
    explicit LIMITEDRUN(BYTESTREAM& stream)
        : stream_(stream), end_(std::numeric_limits<std::int64_t>::max()) {}

    bool MORE() const {
        return end_ == std::numeric_limits<std::int64_t>::max() ||
               (stream_.position < end_ && !STREAMEND(stream_));
    }

    // Reads the id of the run's next chunk; false at chunk id 0 and at the end
    // of the run.
    bool NEXTCHUNK(std::int32_t& id) {
        if (!MORE()) return false;
        id = READNUMBER(stream_);
        return id != ENDCHUNK;
    }

private:
    BYTESTREAM& stream_;
    std::int64_t end_;
};

} // namespace KESTREL

#endif
