#include "codec/chunk_reader.h"
#include "codec/encoding.h"
#include "game_chunk_ids.h"
#include "translations.h"

#include <limits>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

std::optional<EDIT> COUNTEDIT(const GAMEFILE& file, std::vector<CHUNK> enclosing) {
    CHUNKREADER reader(file.BYTES(), enclosing.back().PAYLOAD(), OVERRUN::DAMAGED);
    const std::int32_t count = reader.NUMBER();
    if (count < 0 || count == std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    EDIT edit;
    edit.begin = enclosing.back().payload;
    edit.end = edit.begin + enclosing.back().length;
    APPENDNUMBER(edit.bytes, count + 1);
    edit.enclosing = std::move(enclosing);
    return edit;
}

} // namespace

std::optional<EDIT> SAVECOUNTEREDIT(const GAMEFILE& file) {
    try {
        for (const CHUNK& chunk : file.TOPCHUNKS()) {
            if (file.KIND() == GAMEFILEKIND::MAP &&
                (chunk.id == MAPFILECHUNK::LATESAVECOUNT || chunk.id == MAPFILECHUNK::SAVECOUNT)) {
                return COUNTEDIT(file, {chunk});
            }
            if (file.KIND() != GAMEFILEKIND::DATABASE || chunk.id != DATABASESYSTEMCHUNK) continue;
            CHUNKREADER reader(file.BYTES(), chunk.PAYLOAD(), OVERRUN::DAMAGED);
            for (CHUNK inner; reader.MORE() && reader.NEXTCHUNK(inner); reader.SKIP(inner)) {
                if (inner.id == SYSTEMCHUNK::SAVECOUNT) return COUNTEDIT(file, {chunk, inner});
            }
        }
    } catch (const DATAERROR&) {
        // A counter that cannot be read is left as it is.
    }
    return std::nullopt;
}

} // namespace PAGEWRIGHT
