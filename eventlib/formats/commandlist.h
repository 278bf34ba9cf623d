// Event command lists and move routes: flat runs of numbers without chunk ids,
// framed by whichever chunk encloses them.
#ifndef PAGEWRIGHT_FORMATS_COMMANDLIST_H
#define PAGEWRIGHT_FORMATS_COMMANDLIST_H

#include "codec/chunk_reader.h"
#include "kestrel.h"

#include <cstdint>

namespace KESTREL {

// How names inside a move route are written: as raw bytes (a map page's own
// route) or one number per byte (inside a set-move-route command).
constexpr std::uint8_t RAWFORM = 0;
constexpr std::uint8_t PERCHARACTERFORM = 1;

// Appends the commands that begin within `length` bytes to the page's
// commands, up to and without the end command (code 0), which is read whole.
void READCOMMANDLIST(CHUNKREADER& reader, EVENTPAGE& page, std::int32_t length);

// Appends the move commands that begin within `length` bytes to the route.
void READMOVEROUTE(CHUNKREADER& reader, MOVEROUTE& route, std::int32_t length,
                   std::uint8_t per_character);

// Every command of the page, then the end command 00 00 00 00.
void WRITECOMMANDLIST(BYTESTRING& out, const EVENTPAGE& page);

// The commands as a whole list, each indent lowered by `indent_reduction`.
void WRITECOMMANDS(BYTESTRING& out, const EVENTCOMMAND* commands, std::int32_t count,
                   std::uint32_t indent_reduction);

// Exactly the route's move commands: no end marker follows them.
void WRITEMOVEROUTE(BYTESTRING& out, const MOVEROUTE& route, std::uint8_t per_character);

} // namespace KESTREL

#endif
