#include "command_walk.h"

#include "event_codes.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

COMMANDWALK::COMMANDWALK(BYTEVIEW file, SPAN list) : reader_(file, list, OVERRUN::DAMAGED) {}

// A set-move-route command's route is numbers like any parameters, so every
// command is walked alike.
bool COMMANDWALK::NEXT(WALKEDCOMMAND& command) {
    if (!reader_.MORE()) return false;
    command.at.start = reader_.POSITION();
    command.code = reader_.NUMBER();
    command.at.indent = reader_.POSITION();
    command.indent = reader_.NUMBER();
    command.at.text = reader_.POSITION();
    command.string = reader_.BYTES(reader_.LENGTH());
    command.at.text_end = reader_.POSITION();
    command.parameter_count = reader_.COUNT(1);
    command.parameters.fill(0);
    for (std::int32_t index = 0; index < command.parameter_count; ++index) {
        const std::int32_t value = reader_.NUMBER();
        if (static_cast<std::size_t>(index) < command.parameters.size()) {
            command.parameters[static_cast<std::size_t>(index)] = value;
        }
    }
    command.at.end = reader_.POSITION();
    return command.code != ENDCOMMAND;
}

} // namespace PAGEWRIGHT
