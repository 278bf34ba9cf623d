// Where each kind of event holds its name, position, trigger, pages and
// command lists, for those that read its chunks and those that write them.
#ifndef PAGEWRIGHT_EVENTGAME_ENTRY_LAYOUT_H
#define PAGEWRIGHT_EVENTGAME_ENTRY_LAYOUT_H

#include "formats/chunk_ids.h"
#include "game_file.h"

#include <cstdint>

namespace PAGEWRIGHT {

// ENDCHUNK where the kind has no such chunk, since no chunk of a list has
// id 0.
struct ENTRYLAYOUT {
    std::int32_t name, x, y, trigger, commands, command_size, pages, page_commands,
        page_command_size;
};

constexpr ENTRYLAYOUT ENTRYLAYOUTS[ENTRYKINDS] = {
    {KESTREL::MAPEVENTCHUNK::NAME, KESTREL::MAPEVENTCHUNK::X, KESTREL::MAPEVENTCHUNK::Y,
     KESTREL::ENDCHUNK, KESTREL::ENDCHUNK, KESTREL::ENDCHUNK, KESTREL::MAPEVENTCHUNK::PAGES,
     KESTREL::MAPPAGECHUNK::COMMANDS, KESTREL::MAPPAGECHUNK::COMMANDSIZE},
    {KESTREL::MONSTERGROUPCHUNK::NAME, KESTREL::ENDCHUNK, KESTREL::ENDCHUNK, KESTREL::ENDCHUNK,
     KESTREL::ENDCHUNK, KESTREL::ENDCHUNK, KESTREL::MONSTERGROUPCHUNK::PAGES,
     KESTREL::BATTLEPAGECHUNK::COMMANDS, KESTREL::BATTLEPAGECHUNK::COMMANDSIZE},
    {KESTREL::COMMONEVENTCHUNK::NAME, KESTREL::ENDCHUNK, KESTREL::ENDCHUNK,
     KESTREL::COMMONEVENTCHUNK::TRIGGER, KESTREL::COMMONEVENTCHUNK::COMMANDS,
     KESTREL::COMMONEVENTCHUNK::COMMANDSIZE, KESTREL::ENDCHUNK, KESTREL::ENDCHUNK,
     KESTREL::ENDCHUNK},
};

constexpr const ENTRYLAYOUT& LAYOUTOF(ENTRYKIND kind) {
    return ENTRYLAYOUTS[static_cast<std::size_t>(kind)];
}

} // namespace PAGEWRIGHT

#endif
