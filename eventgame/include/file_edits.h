// Changes of a game file's bytes, applied in one pass over them: each edit
// replaces a region of the bytes read, every chunk that encloses an edit is
// written again with its new length, and a command list's size chunk with the
// list's new size; everything else is copied as it stands. The work grows
// with the bytes and the edits, however many edits a file takes.
#ifndef PAGEWRIGHT_EVENTGAME_FILE_EDITS_H
#define PAGEWRIGHT_EVENTGAME_FILE_EDITS_H

#include "codec/chunk_reader.h"
#include "kestrel_internal.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace PAGEWRIGHT {

struct EDIT {
    // The region of the bytes read that `bytes` replace, from `begin` up to
    // `end`: an empty region inserts, empty bytes remove.
    std::int64_t begin = 0;
    std::int64_t end = 0;
    KESTREL::BYTESTRING bytes;
    // The chunks whose payloads hold the region, outermost first, as the
    // reader gave them.
    std::vector<KESTREL::CHUNK> enclosing;
    // Where the innermost of them is a command list: the chunk beside it that
    // holds the list's size in bytes, which is written again with the list's
    // new size. The empty chunk of id 0 else.
    KESTREL::CHUNK size;
};

// The bytes with the edits applied. Edits at one place apply in their order.
// Nothing when the edits do not fit the bytes: a chunk that is not where the
// bytes have it or not inside the one said to enclose it, a region outside its
// innermost chunk, regions that overlap each other or a chunk's header, or a
// size chunk that is not beside its list or is edited itself.
std::optional<KESTREL::BYTESTRING> APPLYEDITS(KESTREL::BYTEVIEW bytes,
                                              const std::vector<EDIT>& edits);

} // namespace PAGEWRIGHT

#endif
