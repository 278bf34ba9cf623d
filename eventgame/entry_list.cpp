#include "entry_list.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Every entry takes at least its id and its closing chunk id.
constexpr std::int64_t LEASTENTRYBYTES = 2;

} // namespace

ENTRYLIST::ENTRYLIST(BYTEVIEW file, SPAN list)
    : reader_(file, list, OVERRUN::DAMAGED), left_(reader_.COUNT(LEASTENTRYBYTES)) {}

bool ENTRYLIST::NEXTENTRY(std::int32_t& id) {
    if (left_ == 0) {
        if (reader_.READABLE() > 0) reader_.FAULTAT(reader_.POSITION());
        return false;
    }
    --left_;
    head_ = reader_.POSITION();
    id = reader_.NUMBER();
    start_ = reader_.POSITION();
    return true;
}

bool ENTRYLIST::NEXTCHUNK(CHUNK& chunk) {
    if (!reader_.NEXTCHUNK(chunk)) return false;
    reader_.SKIP(chunk);
    return true;
}

SPAN ENTRYLIST::ENTRYBODY() const {
    return {static_cast<std::uint32_t>(start_),
            static_cast<std::uint32_t>(reader_.POSITION() - start_)};
}

} // namespace PAGEWRIGHT
