// The fields that a kind of event data holds in a way of its own, each named
// by a CODING of its row (record_fields.h): what the chunk lists read and
// write for them instead of a plain chunk. A writer is given the id of the
// field's chunk.
#ifndef PAGEWRIGHT_FORMATS_FIELD_CODINGS_H
#define PAGEWRIGHT_FORMATS_FIELD_CODINGS_H

#include "codec/chunk_reader.h"

#include <cstdint>

namespace KESTREL {

// MAPFLAGBYTE: only the last byte of the chunk counts, and only its seven map
// bits; they are added to the flags.
void READMAPFLAGS(CHUNKREADER& reader, const CHUNK& chunk, std::int32_t& flags);
void WRITEMAPFLAGS(BYTESTRING& out, std::int32_t flags, std::int32_t id);

// BATTLEFLAGWORD: the flags are replaced by those of the word, which is
// written in two bytes, also when its high byte is 0.
void READBATTLEFLAGS(CHUNKREADER& reader, const CHUNK& chunk, std::int32_t& flags);
void WRITEBATTLEFLAGS(BYTESTRING& out, std::int32_t flags, std::int32_t id);

// OWNROUTE: a fresh route of the page's own moves the event itself, at the
// page's move frequency as read so far, and repeats unless its chunk says
// otherwise; it is written only for the page's own move type.
void STARTOWNROUTE(MOVEROUTE& route, const EVENTPAGE& page);
bool OWNROUTEWRITTEN(const EVENTPAGE& page);

// COMMONTRIGGER: a page's trigger that is no start of its own is stored as
// the start by a call.
void READCOMMONTRIGGER(CHUNKREADER& reader, std::int32_t& trigger);
void WRITECOMMONTRIGGER(BYTESTRING& out, std::int32_t trigger, std::int32_t id);

// COMMONSWITCHFLAG: the flag sets or clears switch A of the flags.
void READCOMMONSWITCHFLAG(CHUNKREADER& reader, const EVENTPAGE& page, std::int32_t& flags);
void WRITECOMMONSWITCHFLAG(BYTESTRING& out, std::int32_t flags, std::int32_t id);

} // namespace KESTREL

#endif
