// An event command as the encoder writes it: what a listing line must hold.
// Two commands with equal values are written as the same bytes.
#ifndef PAGEWRIGHT_EVENTLISTING_COMMAND_VALUE_H
#define PAGEWRIGHT_EVENTLISTING_COMMAND_VALUE_H

#include "command_table.h"
#include "kestrel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace PAGEWRIGHT {

// One step of a move route: its code, and the fields its code writes.
struct STEPVALUE {
    std::int32_t code = 0;
    std::int32_t number = 0; // switch id, or graphic index
    std::string name;        // graphic or sound name, up to its first zero byte
    std::int32_t volume = 100;
    std::int32_t tempo = 100;
    std::int32_t balance = 50;
    bool operator==(const STEPVALUE& other) const;
};

using STEPS = std::vector<STEPVALUE>;

// A set-move-route command's parameters are the four numbers in front of its
// route (target, frequency, repeat, skippable); its steps are the route.
struct COMMANDVALUE {
    std::int32_t code = EMPTYCOMMAND;
    std::int32_t indent = 0;
    std::string text;
    std::vector<std::int32_t> parameters;
    std::optional<STEPS> steps;
    bool operator==(const COMMANDVALUE& other) const;
};

STEPS STEPSOF(const KESTREL::MOVEROUTE& route);
COMMANDVALUE VALUEOF(const KESTREL::EVENTCOMMAND& command);

// Fills a default record from the value, with blocks from the families of
// kestrel.h.
void FILLSTEPS(KESTREL::MOVEROUTE& route, const STEPS& steps);
void FILLCOMMAND(KESTREL::EVENTCOMMAND& command, const COMMANDVALUE& value);

} // namespace PAGEWRIGHT

#endif
