// Readable names of event command codes, from the list of RPG Maker 2000/2003
// command codes that the community keeps. Codes outside it have no name.
#ifndef PAGEWRIGHT_EVENTJSON_COMMAND_NAMES_H
#define PAGEWRIGHT_EVENTJSON_COMMAND_NAMES_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace PAGEWRIGHT {

// The code's name, or null.
const char* COMMANDNAME(std::int32_t code);

// The code of the name, or nothing for a name not in the list.
std::optional<std::int32_t> COMMANDCODE(std::string_view name);

} // namespace PAGEWRIGHT

#endif
