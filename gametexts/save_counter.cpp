#include "codec/chunk_reader.h"
#include "codec/encoding.h"
#include "translations.h"

#include <limits>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// How many times the editor saved the file: a map file holds it at its top
// level, in the chunk of the editor's edition that saved it last, and a
// database in its settings.
struct SAVECOUNTERCHUNK {
    enum : std::int32_t { LATER = 90, FIRST = 91 };
};
// The database's record of its settings.
constexpr std::int32_t SETTINGSCHUNK = 22;

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
                (chunk.id == SAVECOUNTERCHUNK::LATER || chunk.id == SAVECOUNTERCHUNK::FIRST)) {
                return COUNTEDIT(file, {chunk});
            }
            if (file.KIND() != GAMEFILEKIND::DATABASE || chunk.id != SETTINGSCHUNK) continue;
            CHUNKREADER reader(file.BYTES(), chunk.PAYLOAD(), OVERRUN::DAMAGED);
            for (CHUNK inner; reader.MORE() && reader.NEXTCHUNK(inner); reader.SKIP(inner)) {
                if (inner.id == SAVECOUNTERCHUNK::FIRST) return COUNTEDIT(file, {chunk, inner});
            }
        }
    } catch (const DATAERROR&) {
        // A counter that cannot be read is left as it is.
    }
    return std::nullopt;
}

} // namespace PAGEWRIGHT
