// What a game's RPG_RT.ini says of the game's texts. The file's bytes are in
// the game's own code page, which its section and key names do not need.
#ifndef PAGEWRIGHT_EVENTTEXT_GAME_INI_H
#define PAGEWRIGHT_EVENTTEXT_GAME_INI_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace PAGEWRIGHT {

// The code page that the [EasyRPG] section's Encoding= gives, section and key
// in any case, with or without a byte order mark, spaces around the name and
// the value, and line ends of \r\n or \n; the first such key counts. Nothing
// when the file names none, or names it by anything but a number.
std::optional<std::uint32_t> INICODEPAGE(std::string_view ini);

} // namespace PAGEWRIGHT

#endif
