#include "map_tree.h"

#include "codec/chunk_reader.h"
#include "game_chunk_ids.h"

#include <algorithm>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Every entry takes at least its id and its closing chunk id, every id of the
// tree's order a byte.
constexpr std::int64_t LEASTENTRYBYTES = 2;
constexpr std::int64_t LEASTIDBYTES = 1;

// The number that the chunk holds, which must lie inside it.
std::int32_t NUMBERIN(BYTEVIEW file, const CHUNK& chunk) {
    return CHUNKREADER(file, chunk.PAYLOAD(), OVERRUN::DAMAGED).NUMBER();
}

MAPENTRY READENTRY(CHUNKREADER& reader, BYTEVIEW file, std::int32_t id) {
    MAPENTRY entry;
    entry.id = id;
    for (CHUNK chunk; reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
        switch (chunk.id) {
        case MAPTREEENTRYCHUNK::NAME:
            entry.name = chunk.PAYLOAD();
            break;
        case MAPTREEENTRYCHUNK::PARENT:
            entry.parent = NUMBERIN(file, chunk);
            break;
        case MAPTREEENTRYCHUNK::INDENTATION:
            entry.indentation = NUMBERIN(file, chunk);
            break;
        case MAPTREEENTRYCHUNK::TYPE:
            entry.type = static_cast<MAPTYPE>(NUMBERIN(file, chunk));
            break;
        default:
            break;
        }
    }
    return entry;
}

bool BYID(const MAPENTRY& entry, std::int32_t id) {
    return entry.id < id;
}

} // namespace

MAPTREE::MAPTREE(BYTESTRING bytes) : bytes_(std::move(bytes)) {
    READGAMEBYTES(bytes_, [this] { READ(); });
}

// Unlike the other game files, the tree is no list of chunks: its entries lie
// bare in the file, then the tree's order, the entry the editor last showed
// and the record of where the game starts, which ends the file.
void MAPTREE::READ() {
    CHUNKREADER header(bytes_);
    if (header.BYTES(header.NUMBER()) != MAPTREEKINDNAME) {
        throw GAMEFILEERROR(GAMEFILEFAULT::FOREIGN);
    }
    const auto start = static_cast<std::uint32_t>(header.POSITION());
    CHUNKREADER reader(bytes_, {start, static_cast<std::uint32_t>(bytes_.size()) - start},
                       OVERRUN::CUTSHORT);
    const std::int32_t count = reader.COUNT(LEASTENTRYBYTES);
    entries_.reserve(static_cast<std::size_t>(count));
    for (std::int32_t index = 0; index < count; ++index) {
        const std::int64_t at = reader.POSITION();
        const std::int32_t id = reader.NUMBER();
        if (!entries_.empty() && id <= entries_.back().id) {
            throw GAMEFILEERROR(GAMEFILEFAULT::DAMAGED, at);
        }
        entries_.push_back(READENTRY(reader, bytes_, id));
    }

    const std::int64_t order_at = reader.POSITION();
    if (reader.COUNT(LEASTIDBYTES) != count) throw GAMEFILEERROR(GAMEFILEFAULT::DAMAGED, order_at);
    std::vector<bool> placed(entries_.size());
    order_.reserve(entries_.size());
    for (std::int32_t index = 0; index < count; ++index) {
        const std::int64_t at = reader.POSITION();
        const MAPENTRY* entry = ENTRYOF(reader.NUMBER());
        if (!entry || placed[static_cast<std::size_t>(entry - entries_.data())]) {
            throw GAMEFILEERROR(GAMEFILEFAULT::DAMAGED, at);
        }
        order_.push_back(static_cast<std::size_t>(entry - entries_.data()));
        placed[order_.back()] = true;
    }

    reader.NUMBER(); // the entry the editor last showed
    for (CHUNK chunk; reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
    }
}

const MAPENTRY* MAPTREE::ENTRYOF(std::int32_t id) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), id, BYID);
    return found != entries_.end() && found->id == id ? &*found : nullptr;
}

std::optional<BYTEVIEW> MAPTREE::NAMEOF(std::int32_t id) const {
    const MAPENTRY* entry = ENTRYOF(id);
    if (!entry || entry->type == MAPTYPE::ROOT) return std::nullopt;
    return BYTESOF(entry->name);
}

} // namespace PAGEWRIGHT
