// The commands of a command list one by one, each with where its parts lie
// and its first parameters: all that finding the texts in it needs, without
// decoding the list.
#ifndef PAGEWRIGHT_GAMETEXTS_COMMAND_WALK_H
#define PAGEWRIGHT_GAMETEXTS_COMMAND_WALK_H

#include "codec/chunk_reader.h"
#include "player_texts.h"

#include <array>
#include <cstdint>

namespace PAGEWRIGHT {

struct WALKEDCOMMAND {
    std::int32_t code = 0;
    std::int32_t indent = 0;
    KESTREL::BYTEVIEW string;
    TEXTCOMMAND at;
    // The first parameters, 0 for those it lacks; how many it has.
    std::array<std::int32_t, 3> parameters{};
    std::int32_t parameter_count = 0;
};

// What the reader's refusal of a game file's bytes says of the file.
inline GAMEFILEERROR REFUSALOF(const KESTREL::DATAERROR& error) {
    return GAMEFILEERROR(error.fault == KESTREL::OVERRUN::CUTSHORT ? GAMEFILEFAULT::CUTSHORT
                                                                   : GAMEFILEFAULT::DAMAGED,
                         error.position);
}

// A list that cannot be read throws KESTREL::DATAERROR.
class COMMANDWALK {
public:
    COMMANDWALK(KESTREL::BYTEVIEW file, KESTREL::SPAN list);
    // False at the end command, which ends the list, and at the list's end.
    bool NEXT(WALKEDCOMMAND& command);

private:
    KESTREL::CHUNKREADER reader_;
};

} // namespace PAGEWRIGHT

#endif
