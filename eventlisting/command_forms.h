// The forms in words of the event commands.
#ifndef PAGEWRIGHT_EVENTLISTING_COMMAND_FORMS_H
#define PAGEWRIGHT_EVENTLISTING_COMMAND_FORMS_H

#include "form_pattern.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace PAGEWRIGHT {

// Where a line of a form may stand. A command's own line ("<>") stands
// anywhere; a line that continues a command (":") only after it, and one
// that divides or closes a block only inside the block.
enum class PLACE : std::uint8_t { ANYWHERE, AFTER, INBLOCK };

// A form's code, place and opener come from the command table.
struct COMMANDFORM {
    std::int32_t code;
    PLACE place;
    // The command that the line continues, or that opened its block.
    std::int32_t opener;
    FORMPATTERN pattern;
};

// Every form, in the order in which they are tried.
const std::vector<COMMANDFORM>& COMMANDFORMS();

// The forms of a code, in that order.
const std::vector<const COMMANDFORM*>& FORMSOF(std::int32_t code);

// The alternatives of a group that patterns name with {>NAME}, or null.
const std::vector<const char*>* NAMEDGROUP(std::string_view name);

} // namespace PAGEWRIGHT

#endif
