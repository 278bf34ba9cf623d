// One command's line of a listing, after its indentation: "<>" and its form
// in words, ":" and the form of a line that continues a command or divides or
// closes a block, or the fallback "<>@CODE "TEXT" [P1, P2, ...]", which holds
// any command (a set-move-route command adds ": " and its steps).
#ifndef PAGEWRIGHT_EVENTLISTING_COMMAND_LINES_H
#define PAGEWRIGHT_EVENTLISTING_COMMAND_LINES_H

#include "block_stack.h"
#include "command_value.h"
#include "event_listing.h"

#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// Where a line stands: the command before it, if any, and the blocks open.
struct LINEPLACE {
    const COMMANDVALUE* previous;
    const BLOCKSTACK& blocks;
};

// The command's line: the first of its forms that reads back to exactly the
// command, else the fallback. Its indentation is the caller's.
std::string COMMANDLINE(const COMMANDVALUE& command, const LINEPLACE& place,
                        const CODEPAGE& codepage, const IDNAMES* names);

// Whether the line, after its indentation, is a command line, "<>" or ":".
bool ISCOMMANDLINE(std::string_view line);

// Reads a command line into the command's code, text, parameters and steps.
// Nothing when it reads, else what is wrong with it. Throws TEXTFAULT.
std::optional<std::string> READCOMMANDLINE(std::string_view line, const LINEPLACE& place,
                                           const CODEPAGE& codepage, COMMANDVALUE& command);

} // namespace PAGEWRIGHT

#endif
