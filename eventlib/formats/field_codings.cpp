#include "formats/field_codings.h"

#include "codec/encoding.h"
#include "event_codes.h"

#include <iterator>

namespace KESTREL {
namespace {

// The battle page's flag word numbers its bits its own way: bit i of the word
// is the flags bit beside it.
constexpr std::int32_t FLAGWORDBITS[] = {
    CF_SWITCH_A, CF_SWITCH_B, CF_VARIABLE,   CF_TURN,       CF_FATIGUE,
    CF_ENEMY_HP, CF_ACTOR_HP, CF_TURN_ENEMY, CF_TURN_ACTOR, CF_COMMAND_ACTOR,
};

std::int32_t FLAGSFROMWORD(std::uint32_t word) {
    std::int32_t flags = 0;
    for (std::size_t bit = 0; bit < std::size(FLAGWORDBITS); ++bit) {
        if (word & (1u << bit)) flags |= FLAGWORDBITS[bit];
    }
    return flags;
}

std::uint32_t WORDFROMFLAGS(std::int32_t flags) {
    std::uint32_t word = 0;
    for (std::size_t bit = 0; bit < std::size(FLAGWORDBITS); ++bit) {
        if (flags & FLAGWORDBITS[bit]) word |= 1u << bit;
    }
    return word;
}

bool STARTSBYITSELF(std::int32_t trigger) {
    return trigger == COMMONAUTOSTART || trigger == COMMONPARALLEL;
}

} // namespace

// A flag byte that the data cut short reads as 0.
void READMAPFLAGS(CHUNKREADER& reader, const CHUNK& chunk, std::int32_t& flags) {
    const BYTEVIEW bytes = reader.BYTES(chunk.length);
    if (chunk.length > 0 && bytes.size() == static_cast<std::size_t>(chunk.length)) {
        flags |= static_cast<std::uint8_t>(bytes.back()) & MAPFLAGBITS;
    }
}

void WRITEMAPFLAGS(BYTESTRING& out, std::int32_t flags, std::int32_t id) {
    APPENDDATACHUNK(out, BYTESTRING(1, static_cast<char>(flags & MAPFLAGBITS)), WITHLENGTH, id);
}

// The word's bytes come least significant first; a fifth byte and every fourth
// after it fold back onto the low byte.
void READBATTLEFLAGS(CHUNKREADER& reader, const CHUNK& chunk, std::int32_t& flags) {
    const BYTEVIEW bytes = reader.BYTES(chunk.length);
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        word |= std::uint32_t{static_cast<std::uint8_t>(bytes[i])} << (8 * i % 32);
    }
    flags = FLAGSFROMWORD(word);
}

void WRITEBATTLEFLAGS(BYTESTRING& out, std::int32_t flags, std::int32_t id) {
    const std::uint32_t word = WORDFROMFLAGS(flags);
    APPENDDATACHUNK(out, BYTESTRING{static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)},
                    WITHLENGTH, id);
}

void STARTOWNROUTE(MOVEROUTE& route, const EVENTPAGE& page) {
    route.target = OWNEVENTTARGET;
    route.frequency = page.move_frequency;
    route.repeat = 1;
}

bool OWNROUTEWRITTEN(const EVENTPAGE& page) {
    return page.move_type == CUSTOMMOVETYPE;
}

void READCOMMONTRIGGER(CHUNKREADER& reader, std::int32_t& trigger) {
    const std::int32_t stored = reader.NUMBER();
    if (STARTSBYITSELF(stored)) {
        trigger = stored;
    } else if (stored == COMMONCALLED) {
        trigger = COMMONCALLEDTRIGGER;
    }
}

void WRITECOMMONTRIGGER(BYTESTRING& out, std::int32_t trigger, std::int32_t id) {
    APPENDNUMBERCHUNK(out, STARTSBYITSELF(trigger) ? trigger : COMMONCALLED, WITHLENGTH, id);
}

void READCOMMONSWITCHFLAG(CHUNKREADER& reader, const EVENTPAGE& page, std::int32_t& flags) {
    const std::int32_t value = reader.NUMBER();
    if (STARTSBYITSELF(page.trigger)) flags = value != 0 ? CF_SWITCH_A : 0;
}

void WRITECOMMONSWITCHFLAG(BYTESTRING& out, std::int32_t flags, std::int32_t id) {
    if (flags & CF_SWITCH_A) APPENDNUMBERCHUNK(out, 1, WITHLENGTH, id);
}

} // namespace KESTREL
